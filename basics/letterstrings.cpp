#include "basics/letterstrings.h"

#include "basics/stringlists.h"

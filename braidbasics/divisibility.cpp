#include "braidbasics/divisibility.h"

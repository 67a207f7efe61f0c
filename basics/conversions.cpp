#include "basics/conversions.h"

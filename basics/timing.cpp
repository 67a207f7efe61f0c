#include "basics/timing.h"

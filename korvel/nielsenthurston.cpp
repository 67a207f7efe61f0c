#include "korvel/nielsenthurston.h"

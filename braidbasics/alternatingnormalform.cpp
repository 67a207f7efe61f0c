#include "braidbasics/alternatingnormalform.h"

#include "braidbasics/codes3.h"

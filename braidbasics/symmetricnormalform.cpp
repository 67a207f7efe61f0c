#include "braidbasics/symmetricnormalform.h"

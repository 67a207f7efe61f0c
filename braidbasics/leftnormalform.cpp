#include "braidbasics/leftnormalform.h"

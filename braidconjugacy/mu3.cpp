#include "braidconjugacy/mu3.h"

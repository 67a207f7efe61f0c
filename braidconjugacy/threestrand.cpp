#include "braidconjugacy/threestrand.h"

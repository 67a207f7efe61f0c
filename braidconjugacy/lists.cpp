#include "braidconjugacy/lists.h"

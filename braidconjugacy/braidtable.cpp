#include "braidconjugacy/braidtable.h"

#include "braidconjugacy/supersummit.h"

#include "braidbasics/tex.h"

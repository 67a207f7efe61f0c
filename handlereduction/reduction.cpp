#include "handlereduction/reduction.h"

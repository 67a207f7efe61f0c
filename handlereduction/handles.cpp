#include "handlereduction/handles.h"

#include "exportformats.h"

#include "engine/custom.h"

#include "engine/odds.h"

#include "engine/skewstats.h"

#include "engine/lottery.h"

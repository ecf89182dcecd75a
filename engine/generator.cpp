#include "engine/generator.h"

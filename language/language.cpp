#include "language/language.h"

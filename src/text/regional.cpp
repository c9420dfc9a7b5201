#include "text/regional.h"

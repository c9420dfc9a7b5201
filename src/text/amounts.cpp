#include "text/amounts.h"

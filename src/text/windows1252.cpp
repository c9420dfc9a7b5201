#include "text/windows1252.h"

#pragma once
// The Windows API, without the rarely used parts and without the min/max macros that break the
// standard library. Every Windows-only source includes it instead of <windows.h>.

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

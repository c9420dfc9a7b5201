#pragma once
// The windows are designed in twips (1440 to the inch) and shown at the DPI of the monitor they
// stand on. The newer per-monitor functions are looked up at run time, so the program still runs
// on Windows 7, where the system DPI is the only one.

#include "text/windows_api.h"

namespace ppexport::win32 {

// The DPI a window is shown at: GetDpiForWindow where the system has it, else the screen's
// LOGPIXELSX.
unsigned windowDpi(HWND window);

// Twips in pixels at dpi, rounded to the nearest pixel.
int pixels(int twips, unsigned dpi);

// A system metric (SM_CXICON, ...) at dpi.
int systemMetric(int index, unsigned dpi);

// The window rectangle that has a client area of rect, for the window's styles at dpi.
void adjustWindowRect(RECT& rect, DWORD style, DWORD extendedStyle, unsigned dpi);

// The dialog font at dpi: the face of the system's message font (Segoe UI, Tahoma), at the 8
// points for which the windows' captions were laid out, so that no caption outgrows its place.
LOGFONTW dialogFont(unsigned dpi);

// Makes the process per-monitor DPI aware (version 2 where the system has it) when the manifest
// has not done so already, as for a program started under a debugger or in tests.
void becomeDpiAware();

}  // namespace ppexport::win32

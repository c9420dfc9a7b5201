#pragma once
// The program's picture, a check with a green seal, at the top left of the main window.

#include "text/windows_api.h"

namespace ppexport::win32 {

// Draws the picture into rect, from the bitmap of the program's resources that suits the size
// best (made at 100, 150 and 200 percent), blended over what is there. Draws nothing when the
// program has no such bitmaps.
void drawProgramPicture(HDC dc, const RECT& rect);

}  // namespace ppexport::win32

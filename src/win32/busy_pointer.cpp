#include "win32/busy_pointer.h"

#include "text/windows_api.h"

namespace ppexport::win32 {

namespace {
int depth = 0;
HCURSOR remembered = nullptr;
}  // namespace

void Win32BusyPointer::show() {
  if (depth++ == 0) remembered = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void Win32BusyPointer::restore() {
  if (depth == 0) return;
  if (--depth == 0) {
    SetCursor(remembered != nullptr ? remembered : LoadCursorW(nullptr, IDC_ARROW));
    remembered = nullptr;
  }
}

bool Win32BusyPointer::busy() { return depth > 0; }

void Win32BusyPointer::setBusyCursor() { SetCursor(LoadCursorW(nullptr, IDC_WAIT)); }

}  // namespace ppexport::win32

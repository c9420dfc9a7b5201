#pragma once
// The hourglass (IDC_WAIT) mouse pointer while the windows are busy, as during Create.

#include "window/window_services.h"

namespace ppexport::win32 {

class Win32BusyPointer final : public window::BusyPointer {
 public:
  void show() override;
  void restore() override;
  // True between the first show() and its matching restore(): the windows then answer
  // WM_SETCURSOR with the hourglass.
  static bool busy();
  // The hourglass, for WM_SETCURSOR while busy.
  static void setBusyCursor();
};

}  // namespace ppexport::win32

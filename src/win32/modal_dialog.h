#pragma once
// What a modal dialog of the program needs around it: an owner, the window the user is in, and
// the program's other windows closed to input while it is up, so that no event of the other
// window runs in the middle of the one that opened the dialog.

#include <functional>
#include <vector>

#include "text/windows_api.h"

namespace ppexport::win32 {

class ModalDialogScope {
 public:
  ModalDialogScope();
  ~ModalDialogScope();
  ModalDialogScope(const ModalDialogScope&) = delete;
  ModalDialogScope& operator=(const ModalDialogScope&) = delete;

  // The dialog's owner: the program's active window; nullptr when it has none.
  HWND owner() const { return owner_; }

 private:
  HWND owner_ = nullptr;
  std::vector<HWND> disabled_;
};

// Runs a modal window's messages until it is closed, which sets window to nullptr. When the
// program is told to end meanwhile, the quit message is left for the main loop and closeBox
// closes the window as its close box would.
void runModalLoop(HWND& window, const std::function<void()>& closeBox);

}  // namespace ppexport::win32

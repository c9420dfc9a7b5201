#include "win32/modal_dialog.h"

namespace ppexport::win32 {

ModalDialogScope::ModalDialogScope() : owner_(GetActiveWindow()) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM scope) -> BOOL {
        auto* self = reinterpret_cast<ModalDialogScope*>(scope);
        // The owner is disabled by the dialog itself.
        if (window != self->owner_ && IsWindowVisible(window) != FALSE &&
            IsWindowEnabled(window) != FALSE) {
          EnableWindow(window, FALSE);
          self->disabled_.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(this));
}

ModalDialogScope::~ModalDialogScope() {
  for (HWND window : disabled_) {
    if (IsWindow(window) != FALSE) EnableWindow(window, TRUE);
  }
}

}  // namespace ppexport::win32

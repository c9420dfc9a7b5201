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

void runModalLoop(HWND& window, const std::function<void()>& closeBox) {
  MSG message;
  while (window != nullptr) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program ends: the quit message is for the main loop.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      closeBox();
      break;
    }
    if (window != nullptr && IsDialogMessageW(window, &message) != FALSE) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace ppexport::win32

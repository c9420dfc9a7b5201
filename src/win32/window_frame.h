#pragma once
// What the main window and the editor do alike as top-level windows: their class, their size for
// a client area in twips, the program icon at their DPI, the keyboard's default button, and the
// control that has the focus when the user comes back to them.

#include <functional>

#include "text/windows_api.h"
#include "win32/gdi_owners.h"
#include "win32/native_form.h"
#include "window/controls.h"

namespace ppexport::win32 {

// A fixed-size window with a caption, a close box and a minimise box, as a dialog has. It does
// not clip its controls: the frame "Date Range" draws only its edge, and the window paints the
// ground inside it.
inline constexpr DWORD topLevelStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Registers a window class of the program once: dialog background, arrow pointer, the
// procedure.
void registerWindowClass(const wchar_t* className, WNDPROC procedure);

// The size of the window whose client area is clientSize (twips) at dpi.
SIZE windowSizeFor(window::Size clientSize, DWORD style, unsigned dpi);

// Gives window the program icon at the sizes its DPI asks for; the owners keep the icons.
void setProgramIcons(HWND window, unsigned dpi, IconOwner& big, IconOwner& small);

// Remembers, when the window stops being the active one, which of its controls had the focus,
// and gives the focus back when it becomes active again (the first control the keyboard reaches
// when that one is gone).
class FocusKeeper {
 public:
  void deactivated(HWND window);
  void activated(HWND window, HWND firstTabStop);

 private:
  HWND control_ = nullptr;
};

// The control that Enter presses: the push button that has the focus, else the window's default
// button. The answer to DM_GETDEFID.
LRESULT defaultButton(HWND window, int defaultButtonId);

// What a window of the program answers alike: its owner-drawn controls, the busy pointer, and a
// move to a monitor of another DPI (the controls scaled anew, the icons at the new size, the window
// where the system suggests it, then fitClientArea). True when message was answered, with the
// answer in result; false for every other message.
bool answerFrameMessage(HWND window, NativeForm& form, IconOwner& big, IconOwner& small,
                        UINT message, LPARAM lParam, const std::function<void()>& fitClientArea,
                        LRESULT& result);

// The window procedure of a window made for an object of T (the lpParam of CreateWindowExW): the
// object keeps the handle in its window_ and answers through its handleMessage; a window handed
// back for destruction is no longer the object's.
template <class T>
LRESULT CALLBACK objectWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || self->window_ != window) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->handleMessage(message, wParam, lParam);
}

}  // namespace ppexport::win32

#include "win32/window_frame.h"

#include "win32/busy_pointer.h"
#include "win32/dpi.h"
#include "win32/resource_ids.h"

namespace ppexport::win32 {

void registerWindowClass(const wchar_t* className, WNDPROC procedure) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, className, &existing) != FALSE) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);
}

SIZE windowSizeFor(window::Size clientSize, DWORD style, unsigned dpi) {
  RECT rect{0, 0, pixels(clientSize.width, dpi), pixels(clientSize.height, dpi)};
  adjustWindowRect(rect, style, 0, dpi);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void setProgramIcons(HWND window, unsigned dpi, IconOwner& big, IconOwner& small) {
  auto load = [dpi](int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM),
                                         IMAGE_ICON, systemMetric(widthMetric, dpi),
                                         systemMetric(heightMetric, dpi), 0));
  };
  IconOwner newBig(load(SM_CXICON, SM_CYICON));
  IconOwner newSmall(load(SM_CXSMICON, SM_CYSMICON));
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(newBig.get()));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(newSmall.get()));
  big = std::move(newBig);
  small = std::move(newSmall);
}

void FocusKeeper::deactivated(HWND window) {
  HWND focus = GetFocus();
  if (focus != nullptr && IsChild(window, focus) != FALSE) control_ = focus;
}

void FocusKeeper::activated(HWND window, HWND firstTabStop) {
  HWND target = control_;
  // The box inside a drop-down list counts as the list's own (IsChild looks at every level).
  if (target == nullptr || IsWindow(target) == FALSE || IsChild(window, target) == FALSE ||
      IsWindowVisible(target) == FALSE || IsWindowEnabled(target) == FALSE) {
    target = firstTabStop;
  }
  if (target != nullptr) SetFocus(target);
}

LRESULT defaultButton(HWND window, int defaultButtonId) {
  HWND focus = GetFocus();
  if (focus != nullptr && GetParent(focus) == window) {
    const auto code = SendMessageW(focus, WM_GETDLGCODE, 0, 0);
    if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0) {
      return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
    }
  }
  return MAKELRESULT(defaultButtonId, DC_HASDEFID);
}

bool answerFrameMessage(HWND window, NativeForm& form, IconOwner& big, IconOwner& small,
                        UINT message, LPARAM lParam, const std::function<void()>& fitClientArea,
                        LRESULT& result) {
  switch (message) {
    case WM_DRAWITEM:
      if (!form.drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return false;
      result = TRUE;
      return true;
    case WM_SETCURSOR:
      if (!Win32BusyPointer::busy()) return false;
      Win32BusyPointer::setBusyCursor();
      result = TRUE;
      return true;
    case WM_DPICHANGED: {
      form.changeDpi();
      setProgramIcons(window, form.dpi(), big, small);
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      fitClientArea();
      result = 0;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace ppexport::win32

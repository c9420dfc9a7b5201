#include "win32/history_window.h"

#include <commctrl.h>

#include <algorithm>

#include "text/wide_text.h"
#include "win32/dpi.h"
#include "win32/modal_dialog.h"
#include "win32/native_form.h"
#include "win32/window_frame.h"

namespace ppexport::win32 {

namespace {
constexpr const wchar_t* className = L"ppexportHistoryDialog";

// A fixed-size dialog frame with a caption and a close box.
constexpr DWORD dialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD dialogExtendedStyle = WS_EX_DLGMODALFRAME;

// The client area, in twips.
constexpr int clientWidth = 11400;
constexpr int clientHeight = 7200;

constexpr int firstControlId = 100;

struct Design {
  HistoryControl id;
  const wchar_t* className;
  DWORD style;
  DWORD extendedStyle;
  int left, top, width, height;  // twips
  const wchar_t* text;
};

constexpr DWORD listStyle =
    WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;

// The controls as designed, in tab order: the lists fill the width, the buttons stand at the
// bottom right.
constexpr Design designs[] = {
    {HistoryControl::entriesLabel, WC_STATICW, SS_LEFT | SS_NOPREFIX, 0, 120, 120, 11160, 240,
     L"Files sent for this account, newest first:"},
    {HistoryControl::entries, WC_LISTBOXW, listStyle, WS_EX_CLIENTEDGE, 120, 390, 11160, 2535,
     L""},
    {HistoryControl::checksLabel, WC_STATICW, SS_LEFT | SS_NOPREFIX, 0, 120, 3045, 11160, 240,
     L"Checks in the chosen file:"},
    {HistoryControl::checks, WC_LISTBOXW, listStyle, WS_EX_CLIENTEDGE, 120, 3315, 11160, 2490,
     L""},
    {HistoryControl::notice, WC_STATICW, SS_LEFT | SS_NOPREFIX, 0, 120, 5910, 11160, 600, L""},
    {HistoryControl::saveCopy, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON, 0, 8535, 6660, 1500, 375,
     L"Save a copy..."},
    {HistoryControl::close, WC_BUTTONW, WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 10155, 6660, 1125, 375,
     L"Close"},
};

int controlId(HistoryControl id) { return firstControlId + static_cast<int>(id); }

// The window rectangle, centred over owner, of a client area of the design's size at dpi.
RECT windowPlace(HWND owner, unsigned dpi) {
  RECT rect{0, 0, pixels(clientWidth, dpi), pixels(clientHeight, dpi)};
  adjustWindowRect(rect, dialogStyle, dialogExtendedStyle, dpi);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  RECT around{};
  if (owner == nullptr || GetWindowRect(owner, &around) == FALSE) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
  }
  const LONG left = std::max<LONG>(0, around.left + (around.right - around.left - width) / 2);
  const LONG top = std::max<LONG>(0, around.top + (around.bottom - around.top - height) / 2);
  return {left, top, left + width, top + height};
}
}  // namespace

HistoryWindow::~HistoryWindow() {
  if (window_ != nullptr) {
    HWND closing = window_;
    window_ = nullptr;
    DestroyWindow(closing);
  }
}

HWND HistoryWindow::control(HistoryControl id) const {
  return window_ != nullptr ? controls_[static_cast<int>(id)] : nullptr;
}

void HistoryWindow::run(HWND owner, const std::function<void(HistoryWindow&)>& shown) {
  registerWindowClass(className, &HistoryWindow::procedure);
  // The program's other windows take no input while the dialog is up.
  ModalDialogScope scope;
  owner_ = owner;
  const std::wstring caption = widen(model_.caption());
  window_ = CreateWindowExW(dialogExtendedStyle, className, caption.c_str(), dialogStyle,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                            nullptr, GetModuleHandleW(nullptr), this);
  if (window_ == nullptr) {
    model_.close();
    return;
  }
  dpi_ = windowDpi(window_);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const Design& design : designs) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_GROUP | design.style;
    controls_[static_cast<int>(design.id)] = CreateWindowExW(
        design.extendedStyle, design.className, design.text, style, 0, 0, 0, 0, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(design.id))), instance, nullptr);
  }
  setDialogFont();
  place();
  update();
  if (owner_ != nullptr) EnableWindow(owner_, FALSE);
  ShowWindow(window_, SW_SHOW);
  SetFocus(control(HistoryControl::entries));
  if (shown) shown(*this);

  MSG message;
  while (window_ != nullptr) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program ends: the quit message is for the main loop.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      model_.close();
      update();
      break;
    }
    if (window_ != nullptr && IsDialogMessageW(window_, &message) != FALSE) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (owner_ != nullptr) EnableWindow(owner_, TRUE);
}

void HistoryWindow::setDialogFont() {
  const LOGFONTW logical = dialogFont(dpi_);
  FontOwner font(CreateFontIndirectW(&logical));
  for (HWND handle : controls_) {
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  }
  font_ = std::move(font);
  // The lists scroll sideways as far as their longest line, measured in the new font.
  shownEntries_.clear();
  shownChecks_.clear();
}

void HistoryWindow::place() {
  for (const Design& design : designs) {
    SetWindowPos(controls_[static_cast<int>(design.id)], nullptr, pixels(design.left, dpi_),
                 pixels(design.top, dpi_),
                 pixels(design.left + design.width, dpi_) - pixels(design.left, dpi_),
                 pixels(design.top + design.height, dpi_) - pixels(design.top, dpi_),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const RECT rect = windowPlace(owner_, dpi_);
  SetWindowPos(window_, nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void HistoryWindow::showLines(HistoryControl list, const std::vector<std::string>& lines,
                              std::vector<std::string>& shown) {
  if (shown == lines) return;
  HWND handle = control(list);
  SendMessageW(handle, WM_SETREDRAW, FALSE, 0);
  SendMessageW(handle, LB_RESETCONTENT, 0, 0);
  HDC dc = GetDC(handle);
  HGDIOBJ previous = SelectObject(dc, font_.get());
  int widest = 0;
  for (const std::string& line : lines) {
    const std::wstring wide = widen(line);
    SendMessageW(handle, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  SelectObject(dc, previous);
  ReleaseDC(handle, dc);
  SendMessageW(handle, LB_SETHORIZONTALEXTENT,
               static_cast<WPARAM>(widest + pixels(120, dpi_)), 0);
  SendMessageW(handle, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(handle, nullptr, TRUE);
  shown = lines;
}

void HistoryWindow::update() {
  if (window_ == nullptr) return;
  if (model_.closed()) {
    // The owner takes input again first, so that it becomes the active window.
    if (owner_ != nullptr) EnableWindow(owner_, TRUE);
    HWND closing = window_;
    window_ = nullptr;
    DestroyWindow(closing);
    return;
  }
  ++updating_;
  showLines(HistoryControl::entries, model_.entries(), shownEntries_);
  HWND entries = control(HistoryControl::entries);
  if (SendMessageW(entries, LB_GETCURSEL, 0, 0) != model_.selected()) {
    SendMessageW(entries, LB_SETCURSEL, static_cast<WPARAM>(model_.selected()), 0);
  }
  showLines(HistoryControl::checks, model_.checks(), shownChecks_);
  HWND notice = control(HistoryControl::notice);
  const std::wstring noticeText = widen(model_.notice());
  if (windowText(notice) != noticeText) SetWindowTextW(notice, noticeText.c_str());
  ShowWindow(notice, noticeText.empty() ? SW_HIDE : SW_SHOWNA);
  HWND saveCopy = control(HistoryControl::saveCopy);
  if ((IsWindowEnabled(saveCopy) != FALSE) != model_.canSaveCopy()) {
    EnableWindow(saveCopy, model_.canSaveCopy() ? TRUE : FALSE);
  }
  --updating_;
}

LRESULT CALLBACK HistoryWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<HistoryWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<HistoryWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // A window handed back for destruction is no longer the model's.
  if (self == nullptr || self->window_ != window) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->handleMessage(message, wParam, lParam);
}

LRESULT HistoryWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CLOSE:
      model_.close();
      update();
      return 0;
    case DM_GETDEFID:
      return defaultButton(window_, controlId(HistoryControl::close));
    case WM_DPICHANGED:
      dpi_ = HIWORD(wParam);
      setDialogFont();
      place();
      update();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void HistoryWindow::command(int id, int notification) {
  if (updating_ != 0) return;
  if (id == IDCANCEL || id == controlId(HistoryControl::close)) {
    // Escape, as in a dialog, and Close: the close box.
    if (notification == BN_CLICKED) {
      model_.close();
      update();
    }
    return;
  }
  if (id == controlId(HistoryControl::entries) && notification == LBN_SELCHANGE) {
    const auto index =
        static_cast<int>(SendMessageW(control(HistoryControl::entries), LB_GETCURSEL, 0, 0));
    if (index >= 0) model_.choose(index);
    update();
  } else if (id == controlId(HistoryControl::saveCopy) && notification == BN_CLICKED) {
    model_.saveCopy();
    update();
  }
}

}  // namespace ppexport::win32

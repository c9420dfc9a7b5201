#include "win32/bank_connection_window.h"

#include <algorithm>

#include "text/wide_text.h"
#include "win32/modal_dialog.h"
#include "win32/window_frame.h"

namespace ppexport::win32 {

namespace {
using window::BankConnectionControl;
using window::ControlKind;

constexpr const wchar_t* className = L"ppexportBankConnectionDialog";
constexpr DWORD dialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

int commandId(BankConnectionControl id) {
  return NativeForm::firstControlId + window::controlIndex(id);
}
}  // namespace

BankConnectionWindow::~BankConnectionWindow() {
  if (window_ != nullptr) {
    HWND closing = window_;
    window_ = nullptr;
    DestroyWindow(closing);
  }
}

HWND BankConnectionWindow::control(BankConnectionControl id) const {
  return window_ != nullptr ? form_.handle(window::controlIndex(id)) : nullptr;
}

void BankConnectionWindow::run(HWND owner,
                               const std::function<void(BankConnectionWindow&)>& shown) {
  registerWindowClass(className, &objectWindowProcedure<BankConnectionWindow>);
  ModalDialogScope scope;
  const std::wstring caption = widen(model_.caption());
  CreateWindowExW(WS_EX_DLGMODALFRAME, className, caption.c_str(), dialogStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                  GetModuleHandleW(nullptr), this);
  if (window_ == nullptr) {
    model_.closeBox();
    return;
  }
  form_.create(window_, model_.controls());
  setProgramIcons(window_, form_.dpi(), bigIcon_, smallIcon_);
  fitClientArea();
  // Centred over the main window.
  RECT around{};
  RECT own{};
  if (owner == nullptr || GetWindowRect(owner, &around) == FALSE) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
  }
  GetWindowRect(window_, &own);
  const LONG width = own.right - own.left;
  const LONG height = own.bottom - own.top;
  SetWindowPos(window_, nullptr,
               std::max<LONG>(0, around.left + (around.right - around.left - width) / 2),
               std::max<LONG>(0, around.top + (around.bottom - around.top - height) / 2), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (owner != nullptr) EnableWindow(owner, FALSE);
  ShowWindow(window_, SW_SHOW);
  SetFocus(form_.firstTabStop());
  if (shown) shown(*this);

  runModalLoop(window_, [this] {
    model_.closeBox();
    update();
  });
  if (owner != nullptr) EnableWindow(owner, TRUE);
}

void BankConnectionWindow::fitClientArea() {
  const SIZE size = windowSizeFor(model_.clientSize(), dialogStyle, form_.dpi());
  SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void BankConnectionWindow::update() {
  if (window_ == nullptr) return;
  if (model_.closed()) {
    HWND closing = window_;
    window_ = nullptr;
    DestroyWindow(closing);
    return;
  }
  form_.update(model_.controls());
}

LRESULT BankConnectionWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CLOSE:
      model_.closeBox();
      update();
      return 0;
    case DM_GETDEFID:
      return defaultButton(window_, commandId(BankConnectionControl::readHostKey));
    default:
      break;
  }
  LRESULT answer = 0;
  if (answerFrameMessage(window_, form_, bigIcon_, smallIcon_, message, lParam,
                         [this] { fitClientArea(); }, answer)) {
    return answer;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void BankConnectionWindow::command(int id, int notification) {
  if (id == IDCANCEL) {
    // Escape, as in a dialog: the close box.
    model_.closeBox();
    update();
    return;
  }
  const int index = form_.indexOf(id);
  if (index < 0 || form_.updating()) return;
  const auto control = static_cast<BankConnectionControl>(index);
  const ControlKind kind = form_.shown(index).kind;
  if (kind == ControlKind::TextBox && notification == EN_CHANGE) {
    model_.textChanged(control, narrow(windowText(form_.handle(index))));
  } else if (kind == ControlKind::Button && notification == BN_CLICKED) {
    model_.clicked(control);
  } else {
    return;
  }
  update();
}

}  // namespace ppexport::win32

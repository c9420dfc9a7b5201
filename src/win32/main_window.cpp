#include "win32/main_window.h"

#include <commctrl.h>

#include "text/wide_text.h"
#include "win32/bank_connection_window.h"
#include "win32/editor_window.h"
#include "win32/history_window.h"
#include "window/bank_connection_model.h"
#include "window/custom_format_model.h"
#include "window/history_model.h"

namespace ppexport::win32 {

namespace {
using window::ControlKind;
using window::ExportControl;

constexpr const wchar_t* className = L"ppexportExportWindow";

// Enter presses Create, the window's purpose; Escape is the close box, which saves nothing.
constexpr ExportControl defaultButtonControl = ExportControl::myCreate;

int commandId(ExportControl control) {
  return NativeForm::firstControlId + window::controlIndex(control);
}
}  // namespace

MainWindow::MainWindow(window::WindowServices services)
    : model_(std::move(services)), editor_(std::make_unique<EditorWindow>(*this)) {
  model_.setObserver(this);
}

MainWindow::~MainWindow() {
  editor_->close();
  if (window_ != nullptr) DestroyWindow(window_);
}

bool MainWindow::open(int showCommand) {
  registerWindowClass(className, &MainWindow::procedure);
  ++eventDepth_;
  model_.startUp();
  --eventDepth_;
  const std::wstring caption = widen(model_.caption());
  window_ = CreateWindowExW(0, className, caption.c_str(), topLevelStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
  if (window_ == nullptr) return false;
  form_.create(window_, model_.controls());
  // Enter presses the default button; it shows as such.
  SendMessageW(control(defaultButtonControl), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  setProgramIcons(window_, form_.dpi(), bigIcon_, smallIcon_);
  fitClientArea();
  ShowWindow(window_, showCommand);
  updateWindows();
  UpdateWindow(window_);
  return true;
}

HWND MainWindow::control(ExportControl id) const {
  return form_.handle(window::controlIndex(id));
}

bool MainWindow::allClosed() const { return window_ == nullptr && !editor_->isOpen(); }

bool MainWindow::dialogMessage(MSG& message) {
  if (message.hwnd == nullptr) return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (root == nullptr) return false;
  if (root != window_ && root != editor_->handle()) return false;
  return IsDialogMessageW(root, &message) != FALSE;
}

void MainWindow::refresh() {
  updateWindows();
  // Paint now: Create keeps the thread busy until QuickBooks has answered.
  if (window_ != nullptr) UpdateWindow(window_);
  if (editor_->isOpen()) UpdateWindow(editor_->handle());
}

void MainWindow::focus(ExportControl control, bool caretAtEnd) {
  focusRequests_.emplace_back(control, caretAtEnd);
}

void MainWindow::editorOpened() {
  editorToOpen_ = true;
  editorToClose_ = false;
}

void MainWindow::editorClosed() {
  editorToClose_ = true;
  editorToOpen_ = false;
}

void MainWindow::historyOpened() {
  window::HistoryModel* history = model_.historyDialog();
  if (history == nullptr || window_ == nullptr) return;
  // Modal: the History button's event ends once the dialog has closed.
  HistoryWindow dialog(*history);
  dialog.run(window_, historyDialogHook_);
}

void MainWindow::bankConnectionOpened() {
  window::BankConnectionModel* connection = model_.bankConnectionDialog();
  if (connection == nullptr || window_ == nullptr) return;
  BankConnectionWindow dialog(*connection);
  dialog.run(window_, bankConnectionDialogHook_);
}

void MainWindow::mainWindowClosed() {
  // updateWindows() destroys the window once the event has ended.
}

void MainWindow::updateWindows() {
  if (window_ != nullptr) {
    form_.update(model_.controls());
    const std::wstring caption = widen(model_.caption());
    if (windowText(window_) != caption) SetWindowTextW(window_, caption.c_str());
    if (model_.clientSize() != clientSize_) fitClientArea();
  }
  window::CustomFormatModel* editorModel = model_.editor();
  if (editorToClose_ || (editorModel == nullptr && editor_->isOpen())) {
    editorToClose_ = false;
    editor_->close();
  }
  if (editorModel != nullptr && editor_->isOpen()) editor_->update(*editorModel);
  if (editorToOpen_ && editorModel != nullptr) {
    editorToOpen_ = false;
    editor_->open(*editorModel);
  }
  // The focus moves once the controls show what the model holds, so that the caret can stand
  // after the text.
  std::vector<std::pair<ExportControl, bool>> requests;
  requests.swap(focusRequests_);
  if (window_ != nullptr && !model_.closed()) {
    for (const auto& [id, caretAtEnd] : requests) {
      HWND handle = control(id);
      SetFocus(handle);
      if (!caretAtEnd) continue;
      const int length = GetWindowTextLengthW(handle);
      if (model_.control(id).kind == ControlKind::ComboBox) {
        SendMessageW(handle, CB_SETEDITSEL, 0, MAKELPARAM(length, length));
      } else {
        SendMessageW(handle, EM_SETSEL, static_cast<WPARAM>(length), length);
      }
    }
  }
  if (model_.closed() && window_ != nullptr) {
    HWND closing = window_;
    window_ = nullptr;
    DestroyWindow(closing);
  }
  if (allClosed()) PostQuitMessage(0);
}

void MainWindow::fitClientArea() {
  clientSize_ = model_.clientSize();
  const SIZE size = windowSizeFor(clientSize_, topLevelStyle, form_.dpi());
  SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // A window handed back for destruction is no longer the model's.
  if (self == nullptr || self->window_ != window) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->handleMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CLOSE:
      runEvent([this] { model_.closeBox(); });
      return 0;
    case DM_GETDEFID:
      return defaultButton(window_, commandId(defaultButtonControl));
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        focusKeeper_.deactivated(window_);
      } else if (HIWORD(wParam) == 0) {
        focusKeeper_.activated(window_, form_.firstTabStop());
      }
      return 0;
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

void MainWindow::command(int id, int notification) {
  if (id == IDCANCEL) {
    // Escape, as in a dialog: the close box.
    PostMessageW(window_, WM_CLOSE, 0, 0);
    return;
  }
  const int index = form_.indexOf(id);
  if (index < 0 || form_.updating()) return;
  const auto control = static_cast<ExportControl>(index);
  HWND handle = form_.handle(index);
  switch (form_.shown(index).kind) {
    case ControlKind::TextBox:
      if (notification == EN_CHANGE) {
        runEvent([&] { model_.textChanged(control, narrow(windowText(handle))); });
      }
      break;
    case ControlKind::ComboBox:
      if (notification == CBN_EDITCHANGE) {
        runEvent([&] { model_.textChanged(control, narrow(windowText(handle))); });
      } else if (notification == CBN_SELCHANGE) {
        const auto entry = static_cast<int>(SendMessageW(handle, CB_GETCURSEL, 0, 0));
        if (entry >= 0) runEvent([&] { model_.entryChosen(control, entry); });
      }
      break;
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
      if (notification == BN_CLICKED) runEvent([&] { model_.clicked(control); });
      break;
    default:
      break;
  }
}

}  // namespace ppexport::win32

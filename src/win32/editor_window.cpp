#include "win32/editor_window.h"

#include "text/wide_text.h"
#include "win32/main_window.h"

namespace ppexport::win32 {

namespace {
using window::ControlKind;
using window::CustomFormatControl;

constexpr const wchar_t* className = L"ppexportCustomFormatWindow";

// Enter saves the format; Escape is the close box, which saves nothing.
constexpr CustomFormatControl defaultButtonControl = CustomFormatControl::saveSettings;
}  // namespace

window::CustomFormatModel* EditorWindow::model() { return main_.model().editor(); }

void EditorWindow::open(window::CustomFormatModel& model) {
  if (window_ == nullptr) {
    registerWindowClass(className, &EditorWindow::procedure);
    const std::wstring caption = widen(model.caption());
    CreateWindowExW(0, className, caption.c_str(), topLevelStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr),
                    this);
    if (window_ == nullptr) return;
    form_.create(window_, model.controls());
    SendMessageW(control(defaultButtonControl), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    setProgramIcons(window_, form_.dpi(), bigIcon_, smallIcon_);
    fitClientArea(model.clientSize());
  }
  ShowWindow(window_, IsIconic(window_) != FALSE ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
}

void EditorWindow::close() {
  if (window_ == nullptr) return;
  HWND closing = window_;
  window_ = nullptr;
  DestroyWindow(closing);
}

void EditorWindow::update(window::CustomFormatModel& model) {
  if (window_ == nullptr) return;
  form_.update(model.controls());
  const std::wstring caption = widen(model.caption());
  if (windowText(window_) != caption) SetWindowTextW(window_, caption.c_str());
  if (model.clientSize() != clientSize_) fitClientArea(model.clientSize());
}

HWND EditorWindow::control(CustomFormatControl id) const {
  return window_ == nullptr ? nullptr : form_.handle(window::controlIndex(id));
}

void EditorWindow::fitClientArea(window::Size clientSize) {
  clientSize_ = clientSize;
  const SIZE size = windowSizeFor(clientSize, topLevelStyle, form_.dpi());
  SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK EditorWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<EditorWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<EditorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // A window handed back for destruction is no longer the editor's.
  if (self == nullptr || self->window_ != window) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->handleMessage(message, wParam, lParam);
}

LRESULT EditorWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CLOSE:
      main_.runEvent([this] {
        if (window::CustomFormatModel* editor = model()) editor->closeBox();
      });
      // A model that did not ask for it still closes the window.
      if (model() == nullptr) close();
      return 0;
    case DM_GETDEFID:
      return defaultButton(window_,
                           NativeForm::firstControlId + window::controlIndex(defaultButtonControl));
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        focusKeeper_.deactivated(window_);
        main_.runEvent([this] {
          if (window::CustomFormatModel* editor = model()) editor->deactivated();
        });
      } else {
        // Coming back to the editor reloads the format of its name box (the model decides).
        main_.runEvent([this] {
          if (window::CustomFormatModel* editor = model()) editor->activated();
        });
        if (window_ != nullptr && HIWORD(wParam) == 0) {
          focusKeeper_.activated(window_, form_.firstTabStop());
        }
      }
      return 0;
    default:
      break;
  }
  LRESULT answer = 0;
  if (answerFrameMessage(window_, form_, bigIcon_, smallIcon_, message, lParam,
                         [this] { fitClientArea(clientSize_); }, answer)) {
    return answer;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void EditorWindow::command(int id, int notification) {
  if (id == IDCANCEL) {
    // Escape, as in a dialog: the close box.
    PostMessageW(window_, WM_CLOSE, 0, 0);
    return;
  }
  const int index = form_.indexOf(id);
  window::CustomFormatModel* editor = model();
  if (index < 0 || form_.updating() || editor == nullptr) return;
  const auto control = static_cast<CustomFormatControl>(index);
  HWND handle = form_.handle(index);
  const ControlKind kind = form_.shown(index).kind;
  // Leaving a box for another control of the editor runs its validator; switching to another
  // window (or to a message box) does not.
  if (notification == (kind == ControlKind::ComboBox ? CBN_KILLFOCUS : EN_KILLFOCUS) &&
      (kind == ControlKind::ComboBox || kind == ControlKind::TextBox)) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus) != FALSE && form_.indexOf(focus) != index) {
      main_.runEvent([&] { editor->left(control); });
    }
    return;
  }
  switch (kind) {
    case ControlKind::TextBox:
      if (notification == EN_CHANGE) {
        main_.runEvent([&] { editor->textChanged(control, narrow(windowText(handle))); });
      }
      break;
    case ControlKind::ComboBox:
      if (notification == CBN_EDITCHANGE) {
        main_.runEvent([&] { editor->textChanged(control, narrow(windowText(handle))); });
      } else if (notification == CBN_SELCHANGE) {
        const auto entry = static_cast<int>(SendMessageW(handle, CB_GETCURSEL, 0, 0));
        if (entry >= 0) main_.runEvent([&] { editor->entryChosen(control, entry); });
      }
      break;
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
      if (notification == BN_CLICKED) main_.runEvent([&] { editor->clicked(control); });
      break;
    default:
      break;
  }
}

}  // namespace ppexport::win32

#include "win32/native_form.h"

#include <commctrl.h>

#include <algorithm>

#include "text/wide_text.h"
#include "win32/dpi.h"
#include "win32/program_picture.h"

namespace ppexport::win32 {

namespace {
using window::Control;
using window::ControlKind;

// The standard control that shows each kind of control, and its styles.
struct NativeKind {
  const wchar_t* className;
  DWORD style;
  DWORD extendedStyle;
};

NativeKind nativeKind(const Control& control) {
  const DWORD align = control.align == window::TextAlign::Right ? SS_RIGHT : SS_LEFT;
  switch (control.kind) {
    case ControlKind::Picture:
      return {WC_STATICW, SS_OWNERDRAW, 0};
    case ControlKind::Label:
      // A caption that names its box shows its access key ("&Account"); other labels show
      // their text as it is.
      return {WC_STATICW, align | (control.labelFor >= 0 ? 0 : SS_NOPREFIX), 0};
    case ControlKind::TextBox:
      return {WC_EDITW, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox:
      return {WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
    case ControlKind::CheckBox:
      // The model ticks and clears the box; the control only shows it.
      return {WC_BUTTONW, WS_TABSTOP | BS_CHECKBOX, 0};
    case ControlKind::OptionButton:
      // Only the chosen button of a group is a tab stop (update() moves it), so that the focus
      // never lands on a button that is not chosen.
      return {WC_BUTTONW, BS_RADIOBUTTON, 0};
    case ControlKind::Button:
      return {WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::Frame:
      return {WC_BUTTONW, BS_GROUPBOX, 0};
    case ControlKind::Line:
    case ControlKind::StatusLine:
      return {WC_STATICW, SS_OWNERDRAW | SS_NOPREFIX, 0};
  }
  return {WC_STATICW, SS_LEFT, 0};
}

// How many entries an open drop-down list shows before it scrolls.
constexpr int listEntriesShown = 16;

// The pale yellow of the notice under the form, and its dark brown text.
constexpr COLORREF noticeBackground = RGB(0xFF, 0xF4, 0xCE);
constexpr COLORREF noticeText = RGB(0x5C, 0x40, 0x00);
constexpr COLORREF noticeBorder = RGB(0xD8, 0xC4, 0x86);
constexpr COLORREF ruleColour = RGB(128, 128, 128);

bool isList(const Control& control) { return control.kind == ControlKind::ComboBox; }

void setText(HWND handle, const std::string& text) {
  const std::wstring wide = widen(text);
  if (windowText(handle) != wide) SetWindowTextW(handle, wide.c_str());
}

void fillList(HWND handle, const std::vector<std::string>& entries) {
  SendMessageW(handle, CB_RESETCONTENT, 0, 0);
  // The open list is at least as wide as its longest entry, so that no entry is cut.
  HDC dc = GetDC(handle);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(handle, WM_GETFONT, 0, 0)));
  int widest = 0;
  for (const std::string& entry : entries) {
    const std::wstring wide = widen(entry);
    SendMessageW(handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  SelectObject(dc, previous);
  ReleaseDC(handle, dc);
  const int margins = 2 * GetSystemMetrics(SM_CXEDGE) + GetSystemMetrics(SM_CXVSCROLL) + 8;
  SendMessageW(handle, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(widest + margins), 0);
}

// Where the caret stands in the box of a drop-down list that the user is typing into. Copying the
// model into the list (a typed name that matches an entry selects it) must leave it there, not
// select the whole text, so that the next key does not replace what was typed.
struct TypingPlace {
  bool typing = false;
  std::wstring text;  // what the user typed
  DWORD start = 0;
  DWORD end = 0;
};

TypingPlace typingPlace(HWND list) {
  TypingPlace place;
  HWND focus = GetFocus();
  place.typing = focus != nullptr && (focus == list || IsChild(list, focus) != FALSE);
  if (place.typing) {
    place.text = windowText(list);
    SendMessageW(list, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&place.start),
                 reinterpret_cast<LPARAM>(&place.end));
  }
  return place;
}

// Puts the caret back where the user left it, unless the model changed the text.
void putBack(HWND list, const TypingPlace& place) {
  if (place.typing && windowText(list) == place.text) {
    SendMessageW(list, CB_SETEDITSEL, 0, MAKELPARAM(place.start, place.end));
  }
}
}  // namespace

std::wstring windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void NativeForm::create(HWND window, const std::vector<Control>& model) {
  window_ = window;
  dpi_ = windowDpi(window);
  ruleBrush_.reset(CreateSolidBrush(ruleColour));
  noticeBrush_.reset(CreateSolidBrush(noticeBackground));
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  handles_.clear();
  shown_.clear();
  ++updating_;
  for (std::size_t index = 0; index < model.size(); ++index) {
    const Control& control = model[index];
    const NativeKind kind = nativeKind(control);
    // Each control starts a group of its own, but for a run of option buttons, which the arrow
    // keys move between.
    const bool continuesOptions = control.kind == ControlKind::OptionButton && index > 0 &&
                                  model[index - 1].kind == ControlKind::OptionButton;
    // Where controls overlap (a star beside its box reaches into the next caption), the one made
    // first is drawn over the other.
    const DWORD style =
        WS_CHILD | WS_CLIPSIBLINGS | kind.style | (continuesOptions ? 0 : WS_GROUP);
    HWND handle = CreateWindowExW(kind.extendedStyle, kind.className, L"", style, 0, 0, 0, 0,
                                  window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(
                                              firstControlId + static_cast<int>(index))),
                                  instance, nullptr);
    handles_.push_back(handle);
    // What a new control shows: nothing, hidden, enabled, unplaced; update() takes it from there.
    Control blank;
    blank.kind = control.kind;
    blank.name = control.name;
    blank.container = control.container;
    blank.visible = false;
    blank.place = {-1, -1, -1, -1};
    shown_.push_back(blank);
  }
  // A frame lies under the controls inside it: it draws only its edge and caption around them.
  for (std::size_t index = 0; index < model.size(); ++index) {
    if (model[index].kind == ControlKind::Frame) {
      SetWindowPos(handles_[index], HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  setDialogFont();
  --updating_;
  update(model);
}

void NativeForm::update(const std::vector<Control>& model) {
  ++updating_;
  for (std::size_t index = 0; index < model.size() && index < handles_.size(); ++index) {
    const Control& wanted = model[index];
    Control& shown = shown_[index];
    HWND handle = handles_[index];
    TypingPlace typing;
    if (isList(wanted)) {
      typing = typingPlace(handle);
      if (shown.entries != wanted.entries) {
        fillList(handle, wanted.entries);
        shown.entries = wanted.entries;
        shown.selected = -1;
      }
      if (SendMessageW(handle, CB_GETCURSEL, 0, 0) != wanted.selected) {
        SendMessageW(handle, CB_SETCURSEL, static_cast<WPARAM>(wanted.selected), 0);
      }
      shown.selected = wanted.selected;
    }
    // Boxes are compared with what they show, which the user may have typed since.
    setText(handle, wanted.text);
    shown.text = wanted.text;
    putBack(handle, typing);
    if ((wanted.kind == ControlKind::CheckBox || wanted.kind == ControlKind::OptionButton) &&
        SendMessageW(handle, BM_GETCHECK, 0, 0) != wanted.checked) {
      SendMessageW(handle, BM_SETCHECK, static_cast<WPARAM>(wanted.checked), 0);
    }
    if (wanted.kind == ControlKind::OptionButton) {
      const auto style = static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_STYLE));
      const DWORD tabStop = wanted.checked == 1 ? WS_TABSTOP : 0;
      if ((style & WS_TABSTOP) != tabStop) {
        SetWindowLongPtrW(handle, GWL_STYLE,
                          static_cast<LONG_PTR>((style & ~WS_TABSTOP) | tabStop));
      }
    }
    shown.checked = wanted.checked;
    if (shown.place != wanted.place || shown.container != wanted.container) {
      shown.place = wanted.place;
      shown.container = wanted.container;
      place(static_cast<int>(index));
    }
    if ((IsWindowEnabled(handle) != FALSE) != wanted.enabled) {
      EnableWindow(handle, wanted.enabled ? TRUE : FALSE);
    }
    shown.enabled = wanted.enabled;
    if (shown.visible != wanted.visible) {
      ShowWindow(handle, wanted.visible ? SW_SHOWNA : SW_HIDE);
      shown.visible = wanted.visible;
    }
    // Owner-drawn controls show their text only when drawn again.
    if (wanted.kind == ControlKind::StatusLine) InvalidateRect(handle, nullptr, TRUE);
  }
  --updating_;
}

void NativeForm::changeDpi() {
  dpi_ = windowDpi(window_);
  ++updating_;
  setDialogFont();
  for (std::size_t index = 0; index < handles_.size(); ++index) place(static_cast<int>(index));
  --updating_;
  InvalidateRect(window_, nullptr, TRUE);
}

void NativeForm::setDialogFont() {
  const LOGFONTW logical = dialogFont(dpi_);
  FontOwner font(CreateFontIndirectW(&logical));
  for (HWND handle : handles_) {
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  }
  // The controls hold the font until they have the new one.
  font_ = std::move(font);
}

RECT NativeForm::pixelRect(int index) const {
  const Control& control = shown_[static_cast<std::size_t>(index)];
  int left = control.place.left;
  int top = control.place.top;
  if (control.container >= 0) {
    const window::Rect& frame = shown_[static_cast<std::size_t>(control.container)].place;
    left += frame.left;
    top += frame.top;
  }
  // Both edges are converted, so that controls that meet in twips meet in pixels.
  const RECT rect{pixels(left, dpi_), pixels(top, dpi_),
                  pixels(left + control.place.width, dpi_),
                  pixels(top + control.place.height, dpi_)};
  return rect;
}

void NativeForm::place(int index) {
  const Control& control = shown_[static_cast<std::size_t>(index)];
  if (control.place.width < 0) return;
  RECT rect = pixelRect(index);
  // A rule line is at least one pixel high.
  if (rect.bottom <= rect.top) rect.bottom = rect.top + 1;
  int height = rect.bottom - rect.top;
  if (isList(control)) {
    // A drop-down list's window is as high as its box and its open list together.
    const auto entryHeight =
        static_cast<int>(SendMessageW(handle(index), CB_GETITEMHEIGHT, 0, 0));
    height += listEntriesShown * (entryHeight > 0 ? entryHeight : pixels(240, dpi_)) + 2;
  }
  SetWindowPos(handle(index), nullptr, rect.left, rect.top, rect.right - rect.left, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  // The controls inside a frame move with it.
  for (std::size_t inside = 0; inside < shown_.size(); ++inside) {
    if (shown_[inside].container == index) place(static_cast<int>(inside));
  }
}

int NativeForm::indexOf(int commandId) const {
  const int index = commandId - firstControlId;
  return index >= 0 && index < static_cast<int>(handles_.size()) ? index : -1;
}

int NativeForm::indexOf(HWND control) const {
  for (std::size_t index = 0; index < handles_.size(); ++index) {
    if (handles_[index] == control || IsChild(handles_[index], control) != FALSE) {
      return static_cast<int>(index);
    }
  }
  return -1;
}

HWND NativeForm::firstTabStop() const {
  for (HWND handle : handles_) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_STYLE));
    if ((style & WS_TABSTOP) != 0 && (style & WS_VISIBLE) != 0 && (style & WS_DISABLED) == 0) {
      return handle;
    }
  }
  return nullptr;
}

bool NativeForm::drawItem(const DRAWITEMSTRUCT& item) const {
  const int index = indexOf(static_cast<int>(item.CtlID));
  if (index < 0 || item.CtlType != ODT_STATIC) return false;
  const Control& control = shown_[static_cast<std::size_t>(index)];
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  switch (control.kind) {
    case ControlKind::Picture:
      FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
      drawProgramPicture(dc, rect);
      return true;
    case ControlKind::Line:
      FillRect(dc, &rect, ruleBrush_.get());
      return true;
    case ControlKind::StatusLine: {
      FillRect(dc, &rect, noticeBrush_.get());
      BrushOwner border(CreateSolidBrush(noticeBorder));
      FrameRect(dc, &rect, border.get());
      const int margin = pixels(90, dpi_);
      InflateRect(&rect, -margin, -margin / 2);
      const std::wstring text = windowText(item.hwndItem);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, noticeText);
      HGDIOBJ previous = SelectObject(dc, font_.get());
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
                DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
      SelectObject(dc, previous);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace ppexport::win32

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

constexpr DWORD listStyle = WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;

// The controls as designed, in tab order: the lists fill the width, the buttons stand at the
// bottom right. The captions' access keys move to their lists.
constexpr Design designs[] = {
    {HistoryControl::entriesLabel, WC_STATICW, SS_LEFT, 0, 120, 120, 11160, 240,
     L"&Files sent for this account:"},
    {HistoryControl::entries, WC_LISTVIEWW, listStyle, WS_EX_CLIENTEDGE, 120, 390, 11160, 2535,
     L""},
    {HistoryControl::checksLabel, WC_STATICW, SS_LEFT, 0, 120, 3045, 11160, 240,
     L"C&hecks in the chosen file:"},
    {HistoryControl::checks, WC_LISTVIEWW, listStyle | LVS_NOSORTHEADER, WS_EX_CLIENTEDGE, 120,
     3315, 11160, 2490, L""},
    {HistoryControl::notice, WC_STATICW, SS_LEFT | SS_NOPREFIX, 0, 120, 5910, 11160, 600, L""},
    {HistoryControl::saveCopy, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON, 0, 8535, 6660, 1500, 375,
     L"&Save a copy..."},
    {HistoryControl::close, WC_BUTTONW, WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 10155, 6660, 1125, 375,
     L"&Close"},
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
  const INITCOMMONCONTROLSEX listViews{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&listViews);
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
  addColumns(HistoryControl::entries, window::HistoryModel::entryColumns());
  addColumns(HistoryControl::checks, window::HistoryModel::checkColumns());
  setDialogFont();
  place();
  update();
  if (owner_ != nullptr) EnableWindow(owner_, FALSE);
  ShowWindow(window_, SW_SHOW);
  SetFocus(control(HistoryControl::entries));
  if (shown) shown(*this);

  runModalLoop(window_, [this] {
    model_.close();
    update();
  });
  if (owner_ != nullptr) EnableWindow(owner_, TRUE);
}

void HistoryWindow::setDialogFont() {
  const LOGFONTW logical = dialogFont(dpi_);
  FontOwner font(CreateFontIndirectW(&logical));
  for (HWND handle : controls_) {
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  }
  font_ = std::move(font);
}

void HistoryWindow::addColumns(HistoryControl list,
                               const std::vector<window::ListColumn>& columns) {
  HWND handle = control(list);
  SendMessageW(handle, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP);
  for (std::size_t index = 0; index < columns.size(); ++index) {
    std::wstring heading = widen(columns[index].heading);
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = columns[index].rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.pszText = heading.data();
    column.iSubItem = static_cast<int>(index);
    SendMessageW(handle, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
  }
}

void HistoryWindow::sizeColumns(HistoryControl list,
                                const std::vector<window::ListColumn>& columns) {
  for (std::size_t index = 0; index < columns.size(); ++index) {
    SendMessageW(control(list), LVM_SETCOLUMNWIDTH, index,
                 MAKELPARAM(pixels(columns[index].width, dpi_), 0));
  }
}

void HistoryWindow::place() {
  for (const Design& design : designs) {
    SetWindowPos(controls_[static_cast<int>(design.id)], nullptr, pixels(design.left, dpi_),
                 pixels(design.top, dpi_),
                 pixels(design.left + design.width, dpi_) - pixels(design.left, dpi_),
                 pixels(design.top + design.height, dpi_) - pixels(design.top, dpi_),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  sizeColumns(HistoryControl::entries, window::HistoryModel::entryColumns());
  sizeColumns(HistoryControl::checks, window::HistoryModel::checkColumns());
  const RECT rect = windowPlace(owner_, dpi_);
  SetWindowPos(window_, nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void HistoryWindow::showRows(HistoryControl list,
                             const std::vector<std::vector<std::string>>& rows,
                             std::vector<std::vector<std::string>>& shown) {
  if (shown == rows) return;
  HWND handle = control(list);
  SendMessageW(handle, WM_SETREDRAW, FALSE, 0);
  SendMessageW(handle, LVM_DELETEALLITEMS, 0, 0);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (std::size_t column = 0; column < rows[row].size(); ++column) {
      std::wstring text = widen(rows[row][column]);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(row);
      item.iSubItem = static_cast<int>(column);
      item.pszText = text.data();
      SendMessageW(handle, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW,
                   column == 0 ? 0 : row, reinterpret_cast<LPARAM>(&item));
    }
  }
  SendMessageW(handle, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(handle, nullptr, TRUE);
  shown = rows;
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
  showRows(HistoryControl::entries, model_.entryRows(), shownEntries_);
  HWND entries = control(HistoryControl::entries);
  const int selected = model_.selected();
  if (SendMessageW(entries, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) != selected) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    if (selected >= 0) {
      SendMessageW(entries, LVM_SETITEMSTATE, static_cast<WPARAM>(selected),
                   reinterpret_cast<LPARAM>(&state));
      SendMessageW(entries, LVM_ENSUREVISIBLE, static_cast<WPARAM>(selected), FALSE);
    }
  }
  // The heading sorted by carries the arrow of its direction.
  HWND headings = reinterpret_cast<HWND>(SendMessageW(entries, LVM_GETHEADER, 0, 0));
  for (int column = 0; column < static_cast<int>(window::HistoryModel::entryColumns().size());
       ++column) {
    HDITEMW heading{};
    heading.mask = HDI_FORMAT;
    SendMessageW(headings, HDM_GETITEMW, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&heading));
    heading.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
    if (column == model_.sortColumn()) {
      heading.fmt |= model_.sortDescending() ? HDF_SORTDOWN : HDF_SORTUP;
    }
    SendMessageW(headings, HDM_SETITEMW, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&heading));
  }
  showRows(HistoryControl::checks, model_.checkRows(), shownChecks_);
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
    case WM_NOTIFY:
      notified(*reinterpret_cast<const NMHDR*>(lParam));
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
  if (id == controlId(HistoryControl::saveCopy) && notification == BN_CLICKED) {
    model_.saveCopy();
    update();
  }
}

void HistoryWindow::notified(const NMHDR& header) {
  if (updating_ != 0 || header.hwndFrom != control(HistoryControl::entries)) return;
  if (header.code == LVN_ITEMCHANGED) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0) {
      model_.choose(change.iItem);
      update();
    }
  } else if (header.code == LVN_COLUMNCLICK) {
    model_.sortBy(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
    update();
  }
}

}  // namespace ppexport::win32

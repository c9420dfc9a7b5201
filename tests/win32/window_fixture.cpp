#include "window_fixture.h"

#include "text/windows_api.h"  // windows.h, which commctrl.h needs first
#include <commctrl.h>

#include "quickbooks/export_errors.h"
#include "quickbooks/report_export.h"
#include "settings/environment.h"
#include "text/wide_text.h"
#include "win32/dpi.h"
#include "win32/native_form.h"

namespace ppexport::testing {

namespace {
// The clock of the tests and of the native runs they are compared with.
constexpr const char* testNow = "2024-03-06T09:30";
}  // namespace

void WindowTest::SetUp() {
  std::string now = environmentValue("PPEXPORT_NOW");
  if (now.empty()) now = testNow;
  clock_ = std::make_unique<FixedClock>(*parseIsoInstant(now));
  quickBooks_ = chooseQuickBooksConnection("", *clock_, programFolder());
  ASSERT_FALSE(quickBooks_.companyFile.empty())
      << "PPEXPORT_COMPANY names no company file; tests/win32/window-tests.sh sets it";

  window::WindowServices services;
  services.settings = &settings_;
  services.quickBooks = quickBooks_.connection.get();
  if (quickBooksStartsLater()) {
    laterQuickBooks_ = std::make_unique<LaterQuickBooks>(*quickBooks_.connection);
    services.quickBooks = laterQuickBooks_.get();
  }
  services.clock = clock_.get();
  services.reportFolder = reportFolder();
  services.messages = &messages_;
  services.files = &files_;
  services.documents = &documents_;
  services.busy = &busy_;
  services.programFolder = programFolder();
  services.version = "1.0.5";
  services.notices = notices();
  services.historyFolder = historyFolder();
  window_ = std::make_unique<win32::MainWindow>(services);
  ASSERT_TRUE(window_->open(SW_SHOWNOACTIVATE));
}

void WindowTest::TearDown() { window_.reset(); }

std::string LaterQuickBooks::exportReport(const ExportRequest& request) {
  if (started) return running_.exportReport(request);
  return findRunningCopyErrorText(-2147221021, "Operation unavailable");
}

std::string text(HWND control) { return narrow(win32::windowText(control)); }

bool visible(HWND control) { return IsWindowVisible(control) != FALSE; }

std::vector<std::string> entries(HWND list) {
  std::vector<std::string> result;
  const auto count = SendMessageW(list, CB_GETCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index) {
    const auto length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring entry(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(static_cast<std::size_t>(length));
    result.push_back(narrow(entry));
  }
  return result;
}

RECT placeInWindow(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

namespace {
// The design place of a model control (twips, frame included) in pixels at the window's DPI.
RECT designPlace(const std::vector<window::Control>& controls, std::size_t index, HWND window) {
  const window::Control& control = controls[index];
  int left = control.place.left;
  int top = control.place.top;
  if (control.container >= 0) {
    left += controls[static_cast<std::size_t>(control.container)].place.left;
    top += controls[static_cast<std::size_t>(control.container)].place.top;
  }
  const unsigned dpi = win32::windowDpi(window);
  return {win32::pixels(left, dpi), win32::pixels(top, dpi),
          win32::pixels(left + control.place.width, dpi),
          win32::pixels(top + control.place.height, dpi)};
}
}  // namespace

void typeInto(HWND box, const std::string& text) {
  wchar_t className[32] = {};
  GetClassNameW(box, className, 32);
  SetWindowTextW(box, widen(text).c_str());
  // An edit box reports its change itself; a drop-down list reports what the user types.
  if (lstrcmpiW(className, WC_COMBOBOXW) == 0) {
    SendMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(box));
  }
}

void chooseEntry(HWND list, const std::string& entry) {
  const std::wstring wide = widen(entry);
  const auto index =
      SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(wide.c_str()));
  ASSERT_NE(index, CB_ERR) << "no entry " << entry;
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

void click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

void WindowTest::pressEscape(HWND control) {
  MSG escape{control, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  EXPECT_TRUE(window_->dialogMessage(escape));
  MSG pending;
  while (PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE) != FALSE) DispatchMessageW(&pending);
}

std::vector<std::string> differencesFromModel(const std::vector<window::Control>& model,
                                              const std::vector<HWND>& controls, HWND window) {
  std::vector<std::string> differences;
  for (std::size_t index = 0; index < model.size(); ++index) {
    const window::Control& wanted = model[index];
    HWND control = controls[index];
    const std::string name(wanted.name);
    if (visible(control) != wanted.visible) differences.push_back(name + ": visibility");
    if (!wanted.visible) continue;
    if (wanted.kind != window::ControlKind::Picture && wanted.kind != window::ControlKind::Line &&
        text(control) != wanted.text) {
      differences.push_back(name + ": text \"" + text(control) + "\", model \"" + wanted.text +
                            "\"");
    }
    if ((IsWindowEnabled(control) != FALSE) != wanted.enabled) {
      differences.push_back(name + ": enabled");
    }
    if (wanted.kind == window::ControlKind::ComboBox && entries(control) != wanted.entries) {
      differences.push_back(name + ": entries");
    }
    if ((wanted.kind == window::ControlKind::CheckBox ||
         wanted.kind == window::ControlKind::OptionButton) &&
        SendMessageW(control, BM_GETCHECK, 0, 0) != wanted.checked) {
      differences.push_back(name + ": check state");
    }
    const RECT shown = placeInWindow(control);
    const RECT design = designPlace(model, index, window);
    // A drop-down list's window holds its open list too, and a rule line is at least a pixel.
    const bool sameHeight = wanted.kind == window::ControlKind::ComboBox ||
                            shown.bottom - shown.top ==
                                std::max<LONG>(design.bottom - design.top, 1);
    if (shown.left != design.left || shown.top != design.top || shown.right != design.right ||
        !sameHeight) {
      differences.push_back(name + ": place");
    }
  }
  return differences;
}

}  // namespace ppexport::testing

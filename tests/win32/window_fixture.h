#pragma once
// The Windows window under test: the real main window and editor on the stand-in company named
// by PPEXPORT_COMPANY, with an in-memory settings store and message boxes and a file dialog that
// answer without blocking. The tests drive the controls with window messages, as the user's
// clicks and keys would.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "create/help_document.h"
#include "quickbooks/connection_choice.h"
#include "settings/memory_store.h"
#include "text/clock.h"
#include "win32/busy_pointer.h"
#include "win32/editor_window.h"
#include "win32/main_window.h"
#include "window/model_fixture.h"  // the recording message boxes and document viewer

namespace ppexport::testing {

class AnsweringFileChooser final : public window::FileChooser {
 public:
  window::FileChoice chooseFile(const window::FileDialogSettings& settings) override {
    asked.push_back(settings);
    return next;
  }
  window::FileChoice next;
  std::vector<window::FileDialogSettings> asked;
};

// QuickBooks that is not running until a test starts it: the account list fails as it does on
// Windows without QuickBooks.
class LaterQuickBooks final : public QuickBooksConnection {
 public:
  explicit LaterQuickBooks(QuickBooksConnection& running) : running_(running) {}
  std::string exportReport(const ExportRequest& request) override;
  bool started = false;

 private:
  QuickBooksConnection& running_;
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // What the status line under the form tells for the whole run; none by default.
  virtual std::vector<std::string> notices() const { return {}; }
  // The folder of the sent-file history; none is kept by default.
  virtual std::string historyFolder() const { return {}; }
  // QuickBooks runs from the start, unless a test starts it later (laterQuickBooks_).
  virtual bool quickBooksStartsLater() const { return false; }

  HWND main() const { return window_->handle(); }
  HWND control(window::ExportControl id) const { return window_->control(id); }
  HWND editorControl(window::CustomFormatControl id) const {
    return window_->editor().control(id);
  }
  win32::EditorWindow& editor() { return window_->editor(); }
  // The native controls in the order of the models' controls.
  template <typename Id>
  std::vector<HWND> nativeControls() const {
    std::vector<HWND> controls;
    for (int index = 0; index < window::controlIndex(Id::count); ++index) {
      const Id id = static_cast<Id>(index);
      if constexpr (std::is_same_v<Id, window::ExportControl>) {
        controls.push_back(control(id));
      } else {
        controls.push_back(editorControl(id));
      }
    }
    return controls;
  }
  std::vector<HWND> mainControls() const { return nativeControls<window::ExportControl>(); }
  std::vector<HWND> editorControls() const { return nativeControls<window::CustomFormatControl>(); }
  win32::MainWindow& window() { return *window_; }
  // Escape pressed in a control, through the window's dialog keys; then the posted messages run.
  void pressEscape(HWND control);

  MemorySettingsStore settings_;
  RecordingMessageBoxes messages_;
  AnsweringFileChooser files_;
  RecordingViewer documents_;
  win32::Win32BusyPointer busy_;
  std::unique_ptr<Clock> clock_;
  QuickBooksChoice quickBooks_;
  std::unique_ptr<LaterQuickBooks> laterQuickBooks_;
  std::unique_ptr<win32::MainWindow> window_;
};

// What a control shows, as UTF-8.
std::string text(HWND control);
bool visible(HWND control);
// The entries of a drop-down list.
std::vector<std::string> entries(HWND list);
// The control's place in its window's client area, in pixels.
RECT placeInWindow(HWND control);

// The user's actions, as the controls report them to their window.
void typeInto(HWND box, const std::string& text);
void chooseEntry(HWND list, const std::string& entry);
void click(HWND button);

// Every control shows what its model holds: text, entries, check state, visibility, enabled
// state and design place. Lists the differences.
std::vector<std::string> differencesFromModel(const std::vector<window::Control>& model,
                                              const std::vector<HWND>& controls, HWND window);

}  // namespace ppexport::testing

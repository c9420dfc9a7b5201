#pragma once
// The window models on fakes: a QuickBooks that answers from report texts, an in-memory settings
// store, a fixed clock, and dialogs that answer at once (with the next answer a test gives them)
// and remember what they were shown.

#include <deque>
#include <functional>
#include <memory>

#include "settings/memory_store.h"
#include "support/fake_quickbooks.h"
#include "support/scoped_variable.h"
#include "support/temp_folder.h"
#include "window/custom_format_model.h"
#include "window/export_model.h"

namespace ppexport::testing {

// Answers a question with the next answer a test gave, else No or Cancel; a message with OK.
class RecordingMessageBoxes final : public window::MessageBoxes {
 public:
  window::MessageBoxAnswer show(const window::MessageBoxRequest& message) override {
    using enum window::MessageBoxAnswer;
    shown.push_back(message);
    if (whileShown) whileShown();
    if (message.buttons == window::MessageBoxButtons::Ok) return Ok;
    if (answers.empty()) return message.buttons == window::MessageBoxButtons::YesNo ? No : Cancel;
    const window::MessageBoxAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<window::MessageBoxRequest> shown;
  std::deque<window::MessageBoxAnswer> answers;
  std::function<void()> whileShown;  // what a test wants to see while a message is up
};

// Answers the next file dialogs with the answers given, in order; then cancels.
class ScriptedFileChooser final : public window::FileChooser {
 public:
  window::FileChoice chooseFile(const window::FileDialogSettings& settings) override;
  void setNextFileName(const std::string& path) { next_.push_back({Outcome::Chosen, path}); }
  void setNextCancel() { next_.push_back({}); }
  void setNextFailure(int number, const std::string& text) {
    next_.push_back({Outcome::Failed, {}, number, text});
  }
  std::vector<window::FileDialogSettings> asked;

 private:
  using Outcome = window::FileChoice::Outcome;
  std::deque<window::FileChoice> next_;
};

class CountingBusyPointer final : public window::BusyPointer {
 public:
  void show() override { ++depth; }
  void restore() override { --depth; }
  int depth = 0;
};

class RecordingViewer final : public DocumentViewer {
 public:
  bool start() override {
    if (whileStarting) whileStarting();
    return canStart;
  }
  bool show(const std::string& path) override {
    shown.push_back(path);
    return canShow;
  }
  void close() override { ++closed; }
  bool canStart = true;
  bool canShow = true;
  std::vector<std::string> shown;
  int closed = 0;
  std::function<void()> whileStarting;
};

class RecordingObserver final : public window::WindowObserver {
 public:
  void refresh() override {
    if (whileRefreshing) whileRefreshing();
  }
  void focus(window::ExportControl control, bool caretAtEnd) override {
    focused.emplace_back(control, caretAtEnd);
  }
  void editorOpened() override { ++editorOpenings; }
  void editorClosed() override { ++editorClosings; }
  void mainWindowClosed() override { ++mainWindowClosings; }
  void historyOpened() override { ++historyOpenings; }
  int historyOpenings = 0;
  std::vector<std::pair<window::ExportControl, bool>> focused;
  int editorOpenings = 0;
  int editorClosings = 0;
  int mainWindowClosings = 0;
  std::function<void()> whileRefreshing;
};

// One line per control: its name, text, visibility, place in twips and frame, so that a golden
// file of a window's design names every control that differs.
std::string describedControls(const std::vector<window::Control>& controls);

// The title of every message the windows show.
inline const std::string messageTitle = "Positive Pay Export";

struct ModelFixture {
  TempFolder folder;
  // The default output file lies in the test's folder; no Windows profile folder.
  ScopedVariable home{"HOME", folder.path().string()};
  ScopedVariable profile{"USERPROFILE", std::nullopt};
  FakeQuickBooks quickBooks;
  MemorySettingsStore settings;
  FixedClock clock{DateTime{Date{2026, 3, 15}, 10, 30}};
  RecordingMessageBoxes messages;
  ScriptedFileChooser files;
  CountingBusyPointer busy;
  RecordingViewer documents;
  RecordingObserver observer;
  std::unique_ptr<window::ExportModel> model;
  std::string version = "1.0.0";
  std::vector<std::string> notices;  // for the status line

  // The chart of accounts of the fake company: Checking and Savings are active bank accounts.
  ModelFixture();
  window::WindowServices services();
  // Makes the model; start() also runs its start-up.
  window::ExportModel& make();
  window::ExportModel& start();

  const window::Control& control(window::ExportControl id) const { return model->control(id); }
  const std::string& text(window::ExportControl id) const { return control(id).text; }
  bool visible(window::ExportControl id) const { return control(id).visible; }
  void type(window::ExportControl id, const std::string& text) { model->textChanged(id, text); }
  // Picks the list entry of that text; fails the test when there is none.
  void choose(window::ExportControl id, const std::string& entry);
  void click(window::ExportControl id) { model->clicked(id); }
  // A stored setting as it stands, "<absent>" when there is none.
  std::string stored(const std::string& key);
  const window::MessageBoxRequest& lastMessage() const { return messages.shown.back(); }
};

}  // namespace ppexport::testing

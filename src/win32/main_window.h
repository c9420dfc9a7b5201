#pragma once
// The main window `export` as a Windows window on its model: the model decides, the window shows
// the model's controls and hands it the user's events.

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "text/windows_api.h"
#include "win32/gdi_owners.h"
#include "win32/native_form.h"
#include "win32/window_frame.h"
#include "window/export_model.h"
#include "window/window_observer.h"
#include "window/window_services.h"

namespace ppexport::win32 {

class BankConnectionWindow;
class EditorWindow;
class HistoryWindow;

class MainWindow final : public window::WindowObserver {
 public:
  explicit MainWindow(window::WindowServices services);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Start-up of the model, then the window, shown as showCommand asks (SW_SHOW...). False when
  // the window could not be made.
  bool open(int showCommand);

  HWND handle() const { return window_; }
  HWND control(window::ExportControl id) const;
  window::ExportModel& model() { return model_; }
  // The custom format editor's window; its handle is null while it is closed.
  EditorWindow& editor() { return *editor_; }
  // Both windows are closed: the program ends.
  bool allClosed() const;

  // The keyboard handling of a dialog (Tab, Enter, Escape, arrows) for a message to either
  // window; true when it was handled.
  bool dialogMessage(MSG& message);

  // Runs an event of either window's model, then, once no other event is running, copies both
  // models into the windows and carries out what the models asked for (focus, the editor
  // opening or closing, a window closing).
  template <typename Event>
  void runEvent(Event&& event) {
    ++eventDepth_;
    std::forward<Event>(event)();
    --eventDepth_;
    if (eventDepth_ == 0) updateWindows();
  }
  bool inEvent() const { return eventDepth_ > 0; }

  // Called with the History dialog once it shows, before it takes the user's input (the tests
  // drive it from there).
  void setHistoryDialogHook(std::function<void(HistoryWindow&)> hook) {
    historyDialogHook_ = std::move(hook);
  }

  // The same for the Bank connection dialog.
  void setBankConnectionDialogHook(std::function<void(BankConnectionWindow&)> hook) {
    bankConnectionDialogHook_ = std::move(hook);
  }

  // What the models ask of the view.
  void refresh() override;
  void focus(window::ExportControl control, bool caretAtEnd) override;
  void editorOpened() override;
  void editorClosed() override;
  void historyOpened() override;
  void bankConnectionOpened() override;
  void mainWindowClosed() override;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void command(int id, int notification);
  void updateWindows();
  void fitClientArea();

  window::ExportModel model_;
  NativeForm form_;
  HWND window_ = nullptr;
  std::unique_ptr<EditorWindow> editor_;
  IconOwner bigIcon_;
  IconOwner smallIcon_;
  window::Size clientSize_;
  std::vector<std::pair<window::ExportControl, bool>> focusRequests_;
  bool editorToOpen_ = false;
  bool editorToClose_ = false;
  int eventDepth_ = 0;
  FocusKeeper focusKeeper_;
  std::function<void(HistoryWindow&)> historyDialogHook_;
  std::function<void(BankConnectionWindow&)> bankConnectionDialogHook_;
};

}  // namespace ppexport::win32

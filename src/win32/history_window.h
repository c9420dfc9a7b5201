#pragma once
// The History dialog as a Windows window on its model: the files sent for the account in one
// report-style list view (sorted by a click on a heading), the checks of the chosen file in
// another, a notice under them, and the buttons "Save a copy..." and Close. It is modal: run()
// returns once the model has closed.

#include <functional>
#include <string>
#include <vector>

#include "text/windows_api.h"
#include "win32/gdi_owners.h"
#include "window/history_model.h"

namespace ppexport::win32 {

// The dialog's controls, in tab order.
enum class HistoryControl {
  entriesLabel,
  entries,
  checksLabel,
  checks,
  notice,
  saveCopy,
  close,
  count
};

class HistoryWindow {
 public:
  explicit HistoryWindow(window::HistoryModel& model) : model_(model) {}
  ~HistoryWindow();
  HistoryWindow(const HistoryWindow&) = delete;
  HistoryWindow& operator=(const HistoryWindow&) = delete;

  // Shows the dialog over owner, which it disables with the program's other windows, and runs
  // its messages until the model closes. shown, when set, is called once the dialog is up (the
  // tests drive the dialog from there); the dialog runs on unless the model closed meanwhile.
  void run(HWND owner, const std::function<void(HistoryWindow&)>& shown = {});

  HWND handle() const { return window_; }
  HWND control(HistoryControl id) const;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void command(int id, int notification);
  void notified(const NMHDR& header);
  // Copies the model into the controls; destroys the window once the model has closed.
  void update();
  void place();
  void setDialogFont();
  void addColumns(HistoryControl list, const std::vector<window::ListColumn>& columns);
  void sizeColumns(HistoryControl list, const std::vector<window::ListColumn>& columns);
  void showRows(HistoryControl list, const std::vector<std::vector<std::string>>& rows,
                std::vector<std::vector<std::string>>& shown);

  window::HistoryModel& model_;
  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  HWND controls_[static_cast<int>(HistoryControl::count)] = {};
  unsigned dpi_ = 96;
  FontOwner font_;
  std::vector<std::vector<std::string>> shownEntries_;
  std::vector<std::vector<std::string>> shownChecks_;
  int updating_ = 0;
};

}  // namespace ppexport::win32

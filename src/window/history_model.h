#pragma once
// The History dialog, without a toolkit: the bank files sent for one account, newest first
// (date, bank format, file, count, totals); choosing one shows its checks, and "Save a copy..."
// writes its exact bytes anew.
//
// How a view binds: on WindowObserver::historyOpened() it shows a modal dialog titled caption()
// with a list of entries(), a list of checks(), a notice() line, a "Save a copy..." button
// (enabled while canSaveCopy()) and a Close button. Choosing entry i calls choose(i); the button
// calls saveCopy(); Close or the close box calls close(). After each call it shows the lists
// again. Texts are UTF-8.

#include <string>
#include <vector>

#include "history/history_entry.h"
#include "window/window_services.h"

namespace ppexport::window {

class HistoryModel {
 public:
  // Reads the history once, keeping the entries of account (the account box's text).
  HistoryModel(const WindowServices& services, const std::string& account);

  const std::string& caption() const { return caption_; }
  // One line per file: "12/5/2026 19:05  Generic Bank Format  /path/pp.txt  3 check records
  // Issued 2, total 1234.50  Voided 1, total 50.00  Not sent" (or "Sent 2026-12-07 09:00 to
  // host:/incoming/pp.txt").
  const std::vector<std::string>& entries() const { return entryLines_; }
  int selected() const { return selected_; }
  // The checks of the chosen file: "1001  12/1/2026  1234.50  Issued  ACME Supply".
  const std::vector<std::string>& checks() const { return checkLines_; }
  // What the dialog says under its lists: that nothing was sent yet, or which history folders
  // could not be read.
  const std::string& notice() const { return notice_; }
  bool canSaveCopy() const { return selected_ >= 0; }
  bool closed() const { return closed_; }

  void choose(int index);
  // Asks for a file name and writes the chosen file's bytes there, whole or not at all.
  void saveCopy();
  void close() { closed_ = true; }

 private:
  void showMessage(MessageBoxIcon icon, std::string text);

  WindowServices services_;
  std::string caption_;
  std::vector<HistoryEntry> entries_;
  std::vector<std::string> entryLines_;
  std::vector<std::string> checkLines_;
  std::string notice_;
  int selected_ = -1;
  bool closed_ = false;
};

}  // namespace ppexport::window

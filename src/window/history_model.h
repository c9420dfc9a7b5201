#pragma once
// The History dialog, without a toolkit: the bank files sent for one account, newest first
// (date, bank format, file, count, totals); choosing one shows its checks, and "Save a copy..."
// writes its exact bytes anew.
//
// How a view binds: on WindowObserver::historyOpened() it shows a modal dialog titled caption()
// with two report-style lists, entryColumns() over entryRows() and checkColumns() over
// checkRows(), a notice() line, a "Save a copy..." button (enabled while canSaveCopy()) and a
// Close button. Choosing row i calls choose(i); a click on a heading of the files calls
// sortBy(column); the button calls saveCopy(); Close or the close box calls close(). After each
// call it shows the lists again. Texts are UTF-8.

#include <string>
#include <vector>

#include "history/history_entry.h"
#include "window/window_services.h"

namespace ppexport::window {

// A column of a report-style list: its heading, its width in twips and whether its cells (amounts
// and counts) stand right-aligned.
struct ListColumn {
  std::string heading;
  int width = 0;
  bool rightAligned = false;
};

class HistoryModel {
 public:
  // Reads the history once, keeping the entries of account (the account box's text).
  HistoryModel(const WindowServices& services, const std::string& account);

  const std::string& caption() const { return caption_; }
  // Sent, Bank format, File, Checks, Issued, Issued total, Voided, Voided total.
  static const std::vector<ListColumn>& entryColumns();
  // One row per file, newest first until sorted otherwise: "12/5/2026 19:05", "Generic Bank
  // Format", "/path/pp.txt", "3", "2", "1234.50", "1", "50.00".
  const std::vector<std::vector<std::string>>& entryRows() const { return entryRows_; }
  int selected() const { return selected_; }
  // Check, Date, Amount, Status, Payee.
  static const std::vector<ListColumn>& checkColumns();
  // The checks of the chosen file: "1001", "12/1/2026", "1234.50", "Issued", "ACME Supply".
  const std::vector<std::vector<std::string>>& checkRows() const { return checkRows_; }
  // The column the files are sorted by, and whether from the highest value down.
  int sortColumn() const { return sortColumn_; }
  bool sortDescending() const { return sortDescending_; }
  // What the dialog says under its lists: that nothing was sent yet, or which history folders
  // could not be read.
  const std::string& notice() const { return notice_; }
  bool canSaveCopy() const { return selected_ >= 0; }
  bool closed() const { return closed_; }

  void choose(int index);
  // Sorts the files by a column, from the lowest value up; the column sorted by already turns
  // the other way. The chosen file stays chosen.
  void sortBy(int column);
  // Asks for a file name and writes the chosen file's bytes there, whole or not at all.
  void saveCopy();
  void close() { closed_ = true; }

 private:
  void showMessage(MessageBoxIcon icon, std::string text);

  WindowServices services_;
  std::string caption_;
  void showEntries();

  std::vector<HistoryEntry> entries_;  // in the order shown
  std::vector<std::vector<std::string>> entryRows_;
  std::vector<std::vector<std::string>> checkRows_;
  std::string notice_;
  int selected_ = -1;
  int sortColumn_ = 0;
  bool sortDescending_ = true;
  bool closed_ = false;
};

}  // namespace ppexport::window

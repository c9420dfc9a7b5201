#include "window/history_model.h"

#include <algorithm>
#include <tuple>

#include "create/messages.h"
#include "history/history_folder.h"
#include "history/recorded_file.h"
#include "settings/account_settings.h"
#include "text/file_names.h"
#include "window/window_text.h"

namespace ppexport::window {

namespace {

std::string shownDate(const Date& date) {
  return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" +
         std::to_string(date.year);
}

std::string twoDigits(int value) {
  return std::string(1, static_cast<char>('0' + value / 10 % 10)) +
         static_cast<char>('0' + value % 10);
}

std::vector<std::string> entryRow(const HistoryEntry& entry) {
  return {shownDate(entry.created.date) + " " + twoDigits(entry.created.hour) + ":" +
              twoDigits(entry.created.minute),
          fromCore(entry.bankFormat),
          entry.output,
          std::to_string(entry.count),
          std::to_string(entry.issued.count),
          centsText(entry.issued.cents),
          std::to_string(entry.voided.count),
          centsText(entry.voided.cents)};
}

std::vector<std::string> checkRow(const SentCheck& check) {
  return {fromCore(check.number), check.date ? shownDate(*check.date) : std::string(),
          centsText(check.cents), check.isVoid ? "Void" : "Issued", fromCore(check.payee)};
}

// Whether entry a comes before entry b by a column's value, from the lowest up: dates by time,
// counts and totals by number, texts by their bytes.
bool before(const HistoryEntry& a, const HistoryEntry& b, int column) {
  auto created = [](const HistoryEntry& e) {
    return std::tuple(e.created.date.year, e.created.date.month, e.created.date.day,
                      e.created.hour, e.created.minute);
  };
  switch (column) {
    case 1:
      return a.bankFormat < b.bankFormat;
    case 2:
      return a.output < b.output;
    case 3:
      return a.count < b.count;
    case 4:
      return a.issued.count < b.issued.count;
    case 5:
      return a.issued.cents < b.issued.cents;
    case 6:
      return a.voided.count < b.voided.count;
    case 7:
      return a.voided.cents < b.voided.cents;
    default:
      return created(a) < created(b);
  }
}

// A new name for a copy, so that it never stands for the bank file at its recorded path: the
// file's own name with when it was sent, "pp (sent 2026-12-07 10-30).txt".
std::string copyName(const HistoryEntry& entry) {
  const std::string name(fileNamePart(entry.output));
  const std::size_t dot = name.rfind('.');
  const std::size_t stemEnd = dot == std::string::npos || dot == 0 ? name.size() : dot;
  const DateTime& sent = entry.created;
  return name.substr(0, stemEnd) + " (sent " + std::to_string(sent.date.year) + "-" +
         twoDigits(sent.date.month) + "-" + twoDigits(sent.date.day) + " " +
         twoDigits(sent.hour) + "-" + twoDigits(sent.minute) + ")" + name.substr(stemEnd);
}

}  // namespace

HistoryModel::HistoryModel(const WindowServices& services, const std::string& account)
    : services_(services), caption_("History - " + account) {
  if (services_.historyFolder.empty()) {
    notice_ = "No history of sent files is kept.";
    return;
  }
  HistoryReading reading = readHistory(services_.historyFolder);
  const std::string coreAccount = toCore(account);
  for (HistoryEntry& entry : reading.entries) {
    if (entry.account == coreAccount) entries_.push_back(std::move(entry));
  }
  showEntries();
  for (const std::string& warning : reading.warnings) {
    notice_ += (notice_.empty() ? "" : "\n") + fromCore(warning);
  }
  if (entries_.empty() && notice_.empty()) notice_ = "No files were sent for this account yet.";
}

// The widths fill the dialog's list, 11160 twips less its frame and scroll bar.
const std::vector<ListColumn>& HistoryModel::entryColumns() {
  static const std::vector<ListColumn> columns{
      {"Sent", 1500, false},  {"Bank format", 2250, false}, {"File", 2550, false},
      {"Checks", 720, true},  {"Issued", 720, true},        {"Issued total", 1140, true},
      {"Voided", 720, true},  {"Voided total", 1140, true}};
  return columns;
}

const std::vector<ListColumn>& HistoryModel::checkColumns() {
  static const std::vector<ListColumn> columns{{"Check", 1200, false},
                                               {"Date", 1200, false},
                                               {"Amount", 1350, true},
                                               {"Status", 900, false},
                                               {"Payee", 6000, false}};
  return columns;
}

void HistoryModel::showEntries() {
  entryRows_.clear();
  for (const HistoryEntry& entry : entries_) entryRows_.push_back(entryRow(entry));
}

void HistoryModel::choose(int index) {
  if (index < 0 || index >= static_cast<int>(entries_.size())) return;
  selected_ = index;
  checkRows_.clear();
  for (const SentCheck& check : entries_[static_cast<std::size_t>(index)].checks) {
    checkRows_.push_back(checkRow(check));
  }
}

void HistoryModel::sortBy(int column) {
  if (column < 0 || column >= static_cast<int>(entryColumns().size())) return;
  sortDescending_ = column == sortColumn_ ? !sortDescending_ : false;
  sortColumn_ = column;
  // The chosen file is found again by its entry folder's name, which names it alone.
  const std::string chosen =
      selected_ >= 0 ? entries_[static_cast<std::size_t>(selected_)].id : std::string();
  std::stable_sort(entries_.begin(), entries_.end(),
                   [this](const HistoryEntry& a, const HistoryEntry& b) {
                     return sortDescending_ ? before(b, a, sortColumn_)
                                            : before(a, b, sortColumn_);
                   });
  showEntries();
  for (std::size_t index = 0; index < entries_.size(); ++index) {
    if (selected_ >= 0 && entries_[index].id == chosen) selected_ = static_cast<int>(index);
  }
}

void HistoryModel::saveCopy() {
  if (!canSaveCopy() || services_.files == nullptr) return;
  const HistoryEntry& entry = entries_[static_cast<std::size_t>(selected_)];
  FileDialogSettings dialog;
  dialog.title = "Save a copy";
  const std::string name = copyName(entry);
  dialog.filters = {name.ends_with(".csv") ? "CSV Files (*.csv)" : "TXT Files (*.txt)",
                    "All Files"};
  dialog.initialFileName = name;
  // The copy goes to the Documents folder, where the default output file lies.
  dialog.startFolder = fileName(filePath(defaultOutputFile()).parent_path());
  dialog.askBeforeReplacing = true;
  const FileChoice choice = services_.files->chooseFile(dialog);
  if (choice.outcome == FileChoice::Outcome::Cancelled) return;
  if (choice.outcome == FileChoice::Outcome::Failed) {
    showMessage(MessageBoxIcon::Critical, "Error " + std::to_string(choice.errorNumber) +
                                              " choosing file.\n" + choice.errorDescription);
    return;
  }
  const std::string failure = exportRecordedFile(services_.historyFolder, entry, choice.path);
  if (!failure.empty()) {
    showMessage(MessageBoxIcon::Critical,
                messageNamingFile(couldNotCreateMessage(choice.path, failure), choice.path));
    return;
  }
  showMessage(MessageBoxIcon::Information,
              "Saved a copy of the file sent on " + shownDate(entry.created.date) + " as " +
                  choice.path + ".");
}

void HistoryModel::showMessage(MessageBoxIcon icon, std::string text) {
  if (services_.messages == nullptr) return;
  services_.messages->show({icon, fromCore(applicationTitle), std::move(text)});
}

}  // namespace ppexport::window

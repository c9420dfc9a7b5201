#include "window/history_model.h"

#include "create/messages.h"
#include "history/history_folder.h"
#include "history/recorded_file.h"
#include "transfer/bank_upload.h"
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

std::string totalText(std::string_view label, const SentTotal& total) {
  return std::string(label) + " " + std::to_string(total.count) + ", total " +
         centsText(total.cents);
}

// "Not sent", or when and where the file was last sent to the bank.
std::string sentState(const HistoryEntry& entry) {
  std::string text = sentText(entry);
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 32);
  return text;
}

std::string entryLine(const HistoryEntry& entry) {
  return shownDate(entry.created.date) + " " + twoDigits(entry.created.hour) + ":" +
         twoDigits(entry.created.minute) + "  " + fromCore(entry.bankFormat) + "  " +
         entry.output + "  " + std::to_string(entry.count) + " check record" +
         (entry.count == 1 ? "" : "s") + "  " + totalText("Issued", entry.issued) + "  " +
         totalText("Voided", entry.voided) + "  " + sentState(entry);
}

std::string checkLine(const SentCheck& check) {
  return fromCore(check.number) + "  " + (check.date ? shownDate(*check.date) : std::string()) +
         "  " + centsText(check.cents) + "  " + (check.isVoid ? "Void" : "Issued") + "  " +
         fromCore(check.payee);
}

// The file's own name, for the file dialog to start on.
std::string ownName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
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
    if (entry.account != coreAccount) continue;
    entryLines_.push_back(entryLine(entry));
    entries_.push_back(std::move(entry));
  }
  for (const std::string& warning : reading.warnings) {
    notice_ += (notice_.empty() ? "" : "\n") + fromCore(warning);
  }
  if (entries_.empty() && notice_.empty()) notice_ = "No files were sent for this account yet.";
}

void HistoryModel::choose(int index) {
  if (index < 0 || index >= static_cast<int>(entries_.size())) return;
  selected_ = index;
  checkLines_.clear();
  for (const SentCheck& check : entries_[static_cast<std::size_t>(index)].checks) {
    checkLines_.push_back(checkLine(check));
  }
}

void HistoryModel::saveCopy() {
  if (!canSaveCopy() || services_.files == nullptr) return;
  const HistoryEntry& entry = entries_[static_cast<std::size_t>(selected_)];
  FileDialogSettings dialog;
  dialog.title = "Save a copy";
  dialog.filter = "TXT Files (*.txt)";
  dialog.initialFileName = ownName(entry.output);
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

// Where the main window's checks come from: QuickBooks (or the company file playing it), or a
// check register that another accounting program exported as CSV, chosen with the Open dialog
// and shown, its columns and first checks, under the form before Create.

#include "quickbooks/register_connection.h"
#include "window/export_model.h"
#include "window/window_text.h"

namespace ppexport::window {

namespace {
using enum ExportControl;

// The checks the preview lists after the columns found.
constexpr int previewRows = 3;
}  // namespace

QuickBooksConnection& ExportModel::quickBooks() const {
  if (register_) return *register_;
  return *services_.quickBooks;
}

void ExportModel::checksFromQuickBooks_Click() {
  at(checksFromQuickBooks).checked = 1;
  at(checksFromRegister).checked = 0;
  if (!register_) return;
  register_.reset();
  setVisible(registerPreview, false);
  getAccountList();
  getUserSettings();
}

void ExportModel::checksFromRegister_Click() {
  // The option is chosen only once a register file that can be read is.
  at(checksFromRegister).checked = register_ ? 1 : 0;
  if (services_.files == nullptr) return;
  FileDialogSettings dialog;
  dialog.title = "Open a check register";
  dialog.filters = {"Register files (*.csv;*.txt;*.tsv)", "All Files"};
  dialog.open = true;
  if (const std::optional<std::string> chosen = askForFile(dialog)) useRegisterFile(*chosen);
}

// The register file at path becomes where the checks come from, when it can be read.
void ExportModel::useRegisterFile(const std::string& path) {
  auto chosen =
      std::make_unique<RegisterFileConnection>(path, "", ColumnMapping{}, services_.settings);
  const RegisterLoad load = chosen->load(chosen->account());
  if (!load.readable()) {
    showMessage(MessageBoxIcon::Critical,
                messageNamingFile("The register file cannot be read:\r\n" + load.problem, path));
    return;
  }
  register_ = std::move(chosen);
  at(checksFromQuickBooks).checked = 0;
  at(checksFromRegister).checked = 1;
  getAccountList();
  // The register's first account is shown, with the settings kept for it.
  if (!control(myAccount).entries.empty()) setListText(myAccount, control(myAccount).entries[0]);
  myAccount_Change();
}

void ExportModel::showRegisterPreview() {
  const RegisterLoad load = register_->load(toCore(control(myAccount).text));
  setText(registerPreview, messageText(ppexport::registerPreview(load, previewRows)));
  setVisible(registerPreview, true);
}

}  // namespace ppexport::window

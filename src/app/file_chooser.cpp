#include "app/file_chooser.h"

#include <QFileDialog>

namespace ppexport::app {

FileChoice DialogFileChooser::chooseFile(QWidget* parent, const FileDialogSettings& settings) {
  QFileDialog dialog(parent, settings.title, settings.startFolder, settings.filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The file is only named here; Create writes it later, and replacing last run's bank file is
  // the usual case, so the dialog does not ask about an existing file.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!settings.initialFileName.isEmpty()) dialog.selectFile(settings.initialFileName);
  FileChoice choice;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return choice;
  choice.outcome = FileChoice::Outcome::Chosen;
  choice.path = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
  return choice;
}

}  // namespace ppexport::app

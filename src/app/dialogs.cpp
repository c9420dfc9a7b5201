#include "app/dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

namespace ppexport::app {

namespace {
QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

QMessageBox::Icon boxIcon(window::MessageBoxIcon icon) {
  switch (icon) {
    case window::MessageBoxIcon::None:
      return QMessageBox::NoIcon;
    case window::MessageBoxIcon::Information:
      return QMessageBox::Information;
    case window::MessageBoxIcon::Warning:
      return QMessageBox::Warning;
    case window::MessageBoxIcon::Critical:
    case window::MessageBoxIcon::Stop:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}
}  // namespace

namespace {
// The box with buttons; the button pressed.
int runBox(const window::MessageBoxRequest& message, QMessageBox::StandardButtons buttons,
           QMessageBox::StandardButton defaultButton) {
  QMessageBox box(boxIcon(message.icon), fromUtf8(message.title), fromUtf8(message.text), buttons,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(defaultButton);
  // A busy pointer left by the caller would hide that the box waits for an answer.
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int pressed = box.exec();
  if (busy) QApplication::restoreOverrideCursor();
  return pressed;
}
}  // namespace

void DialogMessageBoxes::show(const window::MessageBoxRequest& message) {
  runBox(message, QMessageBox::Ok, QMessageBox::Ok);
}

bool DialogMessageBoxes::ask(const window::MessageBoxRequest& question) {
  return runBox(question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
         QMessageBox::Yes;
}

window::FileChoice DialogFileChooser::chooseFile(const window::FileDialogSettings& settings) {
  QFileDialog dialog(QApplication::activeWindow(), fromUtf8(settings.title),
                     fromUtf8(settings.startFolder), fromUtf8(settings.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The file is only named here; Create writes it later, and replacing last run's bank file is
  // the usual case, so the dialog does not ask about an existing file.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!settings.initialFileName.empty()) dialog.selectFile(fromUtf8(settings.initialFileName));
  window::FileChoice choice;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return choice;
  choice.outcome = window::FileChoice::Outcome::Chosen;
  choice.path = QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString();
  return choice;
}

void WaitCursor::show() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void WaitCursor::restore() { QApplication::restoreOverrideCursor(); }

bool DesktopDocumentViewer::start() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  // The desktop opens documents through xdg-open; without it nothing can show the document.
  return !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty();
#else
  return true;
#endif
}

void DesktopDocumentViewer::show(const std::string& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace ppexport::app

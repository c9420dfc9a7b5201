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

window::MessageBoxAnswer DialogMessageBoxes::show(const window::MessageBoxRequest& message) {
  using enum window::MessageBoxAnswer;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  if (message.buttons == window::MessageBoxButtons::YesNo) {
    buttons = QMessageBox::Yes | QMessageBox::No;
  }
  if (message.buttons == window::MessageBoxButtons::RetryCancel) {
    buttons = QMessageBox::Retry | QMessageBox::Cancel;
  }
  QMessageBox box(boxIcon(message.icon), fromUtf8(message.title), fromUtf8(message.text), buttons,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  // A busy pointer left by the caller would hide that the box waits for an answer.
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int answer = box.exec();
  if (busy) QApplication::restoreOverrideCursor();
  switch (answer) {
    case QMessageBox::Ok:
      return Ok;
    case QMessageBox::Yes:
      return Yes;
    case QMessageBox::Retry:
      return Retry;
    default:
      return message.buttons == window::MessageBoxButtons::YesNo ? No : Cancel;
  }
}

window::FileChoice DialogFileChooser::chooseFile(const window::FileDialogSettings& settings) {
  QFileDialog dialog(QApplication::activeWindow(), fromUtf8(settings.title),
                     fromUtf8(settings.startFolder));
  QStringList filters;
  for (const std::string& filter : settings.filters) {
    // A description without a pattern shows every file.
    filters << fromUtf8(filter.find('(') == std::string::npos ? filter + " (*)" : filter);
  }
  dialog.setNameFilters(filters);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !settings.askBeforeReplacing);
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

bool DesktopDocumentViewer::show(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace ppexport::app

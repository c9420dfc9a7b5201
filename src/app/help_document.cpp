#include "app/help_document.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "app/message_presenter.h"
#include "app/text_conversion.h"
#include "create/messages.h"

namespace ppexport::app {

bool DesktopDocumentViewer::open(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void openDocumentation(QWidget* parent, const QString& programFolder, const QString& name,
                       DocumentViewer& viewer, MessagePresenter& messages) {
  const QString title = fromCore(applicationTitle);
  const QString path = QDir(programFolder).filePath(name);
  if (!QFileInfo(path).isFile()) {
    messages.showMessage(parent, QMessageBox::Critical, title,
                         QStringLiteral("Did not find the documentation file.\n\n"
                                        "Please open the document file ''%1'' manually.")
                             .arg(name));
    return;
  }
  if (!viewer.open(path)) {
    messages.showMessage(parent, QMessageBox::NoIcon, title,
                         QStringLiteral("Unable to launch MS Word. Please open the documentation "
                                        "file manually from %1.")
                             .arg(QDir::toNativeSeparators(programFolder)));
  }
}

}  // namespace ppexport::app

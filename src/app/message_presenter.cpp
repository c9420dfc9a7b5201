#include "app/message_presenter.h"

#include <QApplication>

namespace ppexport::app {

void DialogMessagePresenter::showMessage(QWidget* parent, QMessageBox::Icon icon,
                                         const QString& title, const QString& text) {
  QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  // A busy pointer left by the caller would hide that the box waits for an answer.
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  box.exec();
  if (busy) QApplication::restoreOverrideCursor();
}

}  // namespace ppexport::app

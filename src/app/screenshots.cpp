#include "app/screenshots.h"

#include <QApplication>
#include <QPushButton>

#include "app/custom_format_window.h"
#include "app/export_window.h"

namespace ppexport::app {

namespace {
bool savePicture(QWidget& widget, const QString& file) {
  widget.raise();
  widget.activateWindow();
  for (int round = 0; round < 10; ++round) QApplication::processEvents();
  return widget.grab().save(file);
}
}  // namespace

bool saveScreenshots(ExportWindow& window, const QString& mainFile, const QString& editorFile) {
  bool saved = savePicture(window, mainFile);
  if (!editorFile.isEmpty()) {
    if (auto* edit = window.findChild<QPushButton*>(QStringLiteral("editFormat"))) edit->click();
    if (CustomFormatWindow* editor = window.customFormatEditor()) {
      saved = savePicture(*editor, editorFile) && saved;
      editor->close();
    } else {
      saved = false;
    }
  }
  return saved;
}

}  // namespace ppexport::app

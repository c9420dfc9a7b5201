#include "app/screenshots.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

#include "app/bank_connection_dialog.h"
#include "app/custom_format_window.h"
#include "app/export_window.h"
#include "app/history_dialog.h"

namespace ppexport::app {

namespace {
bool savePicture(QWidget& widget, const QString& file) {
  widget.raise();
  widget.activateWindow();
  for (int round = 0; round < 10; ++round) QApplication::processEvents();
  return widget.grab().save(file);
}
}  // namespace

bool saveScreenshots(ExportWindow& window, const QString& mainFile, const QString& editorFile,
                     const QString& historyFile, const QString& bankConnectionFile) {
  bool saved = savePicture(window, mainFile);
  if (!bankConnectionFile.isEmpty()) {
    bool shot = false;
    window.setBankConnectionDialogHook([&](BankConnectionDialog& dialog) {
      dialog.show();
      shot = savePicture(dialog, bankConnectionFile);
      dialog.reject();
    });
    if (auto* button = window.findChild<QPushButton*>(QStringLiteral("bankConnection"))) {
      button->click();
    }
    window.setBankConnectionDialogHook({});
    saved = shot && saved;
  }
  if (!historyFile.isEmpty()) {
    bool shot = false;
    window.setHistoryDialogHook([&](HistoryDialog& dialog) {
      dialog.show();
      // The newest file chosen, so that its checks show.
      if (auto* entries = dialog.findChild<QListWidget*>(QStringLiteral("entries"));
          entries != nullptr && entries->count() > 0) {
        entries->setCurrentRow(0);
      }
      shot = savePicture(dialog, historyFile);
      dialog.reject();
    });
    if (auto* button = window.findChild<QPushButton*>(QStringLiteral("history"))) button->click();
    window.setHistoryDialogHook({});
    saved = shot && saved;
  }
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

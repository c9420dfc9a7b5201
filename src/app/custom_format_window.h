#pragma once
// The custom format editor `CustomFormat` in Qt: a binding of the editor's model
// (window/custom_format_model.h), a second window beside the main window.

#include <QWidget>
#include <memory>

#include "app/control_widgets.h"
#include "window/custom_format_model.h"

namespace ppexport::app {

class ExportWindow;

class CustomFormatWindow final : public QWidget {
  Q_OBJECT

 public:
  CustomFormatWindow(window::CustomFormatModel& model, ExportWindow* mainWindow);

  window::CustomFormatModel& model() { return model_; }
  // Copies the model into the widgets.
  void showModel();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(class QCloseEvent* event) override;

 private:
  // After the model ran an event: both windows show what it left.
  void updateBothWindows();

  window::CustomFormatModel& model_;
  ExportWindow* mainWindow_;
  std::unique_ptr<ControlWidgets> widgets_;
};

}  // namespace ppexport::app

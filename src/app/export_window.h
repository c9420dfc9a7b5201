#pragma once
// The main window `export` in Qt: a binding of the window model (window/export_model.h). Widget
// events go to the model; after each, the model's controls are copied into the widgets.

#include <QPointer>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

#include "app/control_widgets.h"
#include "window/export_model.h"

namespace ppexport::app {

class CustomFormatWindow;

class ExportWindow final : public QWidget, private window::WindowObserver {
  Q_OBJECT

 public:
  explicit ExportWindow(const window::WindowServices& services, QWidget* parent = nullptr);
  ~ExportWindow() override;

  // The window's load: the model's start-up, shown in the widgets.
  void startUp();

  window::ExportModel& model() { return model_; }
  // The open custom format editor; nullptr when it is closed.
  CustomFormatWindow* customFormatEditor() const;

  // Copies the models of both windows into their widgets, then moves the keyboard focus where
  // the model asked for it.
  void showModel();

 protected:
  void closeEvent(class QCloseEvent* event) override;

 private:
  // WindowObserver
  void refresh() override;
  void focus(window::ExportControl control, bool caretAtEnd) override;
  void editorOpened() override;
  void editorClosed() override;
  void mainWindowClosed() override;

  window::ExportModel model_;
  std::unique_ptr<ControlWidgets> widgets_;
  QPointer<CustomFormatWindow> editor_;
  std::vector<std::pair<window::ExportControl, bool>> focusRequests_;
};

}  // namespace ppexport::app

#pragma once
// The main window `export` in Qt: a binding of the window model (window/export_model.h). Widget
// events go to the model; after each, the model's controls are copied into the widgets.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "app/control_widgets.h"
#include "window/export_model.h"

namespace ppexport::app {

class BankConnectionDialog;
class CustomFormatWindow;
class HistoryDialog;

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
  // Shows each History dialog before it runs, so that a test or a screenshot can act on it.
  void setHistoryDialogHook(std::function<void(HistoryDialog&)> hook) {
    historyDialogHook_ = std::move(hook);
  }

  // Shows each Bank connection dialog before it runs, as the History dialog's hook does.
  void setBankConnectionDialogHook(std::function<void(BankConnectionDialog&)> hook) {
    bankConnectionDialogHook_ = std::move(hook);
  }

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
  void historyOpened() override;
  void bankConnectionOpened() override;
  void mainWindowClosed() override;

  window::ExportModel model_;
  std::unique_ptr<ControlWidgets> widgets_;
  QPointer<CustomFormatWindow> editor_;
  std::vector<std::pair<window::ExportControl, bool>> focusRequests_;
  std::function<void(HistoryDialog&)> historyDialogHook_;
  std::function<void(BankConnectionDialog&)> bankConnectionDialogHook_;
};

}  // namespace ppexport::app

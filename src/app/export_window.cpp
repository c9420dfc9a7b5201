#include "app/export_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>

#include "app/bank_connection_dialog.h"
#include "app/custom_format_window.h"
#include "app/design_measures.h"
#include "app/dialog_font.h"
#include "app/history_dialog.h"
#include "window/bank_connection_model.h"
#include "window/history_model.h"

namespace ppexport::app {

namespace {
window::ExportControl exportControl(int index) { return static_cast<window::ExportControl>(index); }
}  // namespace

ExportWindow::ExportWindow(const window::WindowServices& services, QWidget* parent)
    : QWidget(parent), model_(services) {
  setObjectName(QStringLiteral("export"));
  setFont(dialogFont(font()));
  model_.setObserver(this);
  ControlWidgets::Events events;
  events.textChanged = [this](int control, const std::string& text) {
    model_.textChanged(exportControl(control), text);
    showModel();
  };
  events.entryChosen = [this](int control, int entry) {
    model_.entryChosen(exportControl(control), entry);
    showModel();
  };
  events.clicked = [this](int control) {
    model_.clicked(exportControl(control));
    showModel();
  };
  widgets_ = std::make_unique<ControlWidgets>(this, model_.controls(), std::move(events));
  setWindowTitle(QString::fromStdString(model_.caption()));
  setFixedSize(designSize(model_.clientSize()));
}

ExportWindow::~ExportWindow() {
  model_.setObserver(nullptr);
  delete editor_;
}

void ExportWindow::startUp() {
  model_.startUp();
  showModel();
}

CustomFormatWindow* ExportWindow::customFormatEditor() const { return editor_; }

void ExportWindow::showModel() {
  widgets_->update(model_.controls());
  // The window grows a row while a merged bank's note shows under the bank list.
  setFixedSize(designSize(model_.clientSize()));
  setWindowTitle(QString::fromStdString(model_.caption()));
  // The form grows while the register preview shows under it.
  setFixedSize(designSize(model_.clientSize()));
  if (editor_) editor_->showModel();
  for (const auto& [control, caretAtEnd] : std::exchange(focusRequests_, {})) {
    QWidget* widget = widgets_->widget(window::controlIndex(control));
    widget->setFocus();
    if (auto* box = qobject_cast<QLineEdit*>(widget); box && caretAtEnd) box->end(false);
  }
}

void ExportWindow::closeEvent(QCloseEvent* event) {
  // The window's own close box saves nothing; the Close button saved before it closed.
  if (!model_.closed()) model_.closeBox();
  event->accept();
}

void ExportWindow::refresh() {
  showModel();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ExportWindow::focus(window::ExportControl control, bool caretAtEnd) {
  focusRequests_.emplace_back(control, caretAtEnd);
}

void ExportWindow::editorOpened() {
  // A closed editor's window is gone with it, so an open window shows the open editor.
  if (!editor_) editor_ = new CustomFormatWindow(*model_.editor(), this);
  editor_->showModel();
  editor_->show();
  editor_->raise();
  editor_->activateWindow();
}

void ExportWindow::editorClosed() {
  if (editor_) editor_->close();
  editor_ = nullptr;
}

void ExportWindow::historyOpened() {
  window::HistoryModel* history = model_.historyDialog();
  if (history == nullptr) return;
  HistoryDialog dialog(*history, this);
  if (historyDialogHook_) {
    historyDialogHook_(dialog);
    if (history->closed()) return;
  }
  dialog.exec();
}

void ExportWindow::bankConnectionOpened() {
  window::BankConnectionModel* connection = model_.bankConnectionDialog();
  if (connection == nullptr) return;
  BankConnectionDialog dialog(*connection, this);
  if (bankConnectionDialogHook_) {
    bankConnectionDialogHook_(dialog);
    if (connection->closed()) return;
  }
  dialog.exec();
}

void ExportWindow::mainWindowClosed() { close(); }

}  // namespace ppexport::app

#include "app/custom_format_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

#include "app/design_measures.h"
#include "app/dialog_font.h"
#include "app/export_window.h"

namespace ppexport::app {

namespace {
window::CustomFormatControl editorControl(int index) {
  return static_cast<window::CustomFormatControl>(index);
}

// Leaving a box for another control of the editor runs its validator; switching windows or
// opening the box's own pick list does not.
bool leavesTheBox(QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}
}  // namespace

CustomFormatWindow::CustomFormatWindow(window::CustomFormatModel& model, ExportWindow* mainWindow)
    : QWidget(nullptr), model_(model), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("CustomFormat"));
  setWindowTitle(QString::fromStdString(model_.caption()));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(dialogFont(font()));
  ControlWidgets::Events events;
  events.textChanged = [this](int control, const std::string& text) {
    model_.textChanged(editorControl(control), text);
    updateBothWindows();
  };
  events.entryChosen = [this](int control, int entry) {
    model_.entryChosen(editorControl(control), entry);
    updateBothWindows();
  };
  events.clicked = [this](int control) {
    model_.clicked(editorControl(control));
    updateBothWindows();
  };
  widgets_ = std::make_unique<ControlWidgets>(this, model_.controls(), std::move(events));
  // The field, length, text and date boxes are corrected when the user leaves them.
  for (int position = 1; position <= 8; ++position) {
    for (window::CustomFormatControl id : {window::customField(position),
                                           window::fieldLength(position),
                                           window::fieldText(position)}) {
      QWidget* box = widgets_->widget(window::controlIndex(id));
      if (auto* list = qobject_cast<QComboBox*>(box)) box = list->lineEdit();
      box->installEventFilter(this);
    }
  }
  auto* dates = static_cast<QComboBox*>(
      widgets_->widget(window::controlIndex(window::CustomFormatControl::dateFormat)));
  dates->lineEdit()->installEventFilter(this);
  setFixedSize(designSize(model_.clientSize()));
}

void CustomFormatWindow::showModel() { widgets_->update(model_.controls()); }

void CustomFormatWindow::updateBothWindows() {
  if (mainWindow_ != nullptr) {
    mainWindow_->showModel();
  } else {
    showModel();
  }
}

bool CustomFormatWindow::event(QEvent* event) {
  if (!model_.closed()) {
    if (event->type() == QEvent::WindowActivate) {
      model_.activated();
      showModel();
    } else if (event->type() == QEvent::WindowDeactivate) {
      model_.deactivated();
    }
  }
  return QWidget::event(event);
}

bool CustomFormatWindow::eventFilter(QObject* watched, QEvent* event) {
  if (leavesTheBox(event) && !model_.closed()) {
    const int control = widgets_->controlOf(watched);
    if (control != -1) {
      model_.left(editorControl(control));
      showModel();
    }
  }
  return QWidget::eventFilter(watched, event);
}

void CustomFormatWindow::closeEvent(QCloseEvent* event) {
  // The close box saves nothing.
  if (!model_.closed()) {
    model_.closeBox();
    updateBothWindows();
  }
  event->accept();
}

}  // namespace ppexport::app

#include "app/bank_connection_dialog.h"

#include "app/design_measures.h"
#include "app/dialog_font.h"

namespace ppexport::app {

namespace {
window::BankConnectionControl dialogControl(int index) {
  return static_cast<window::BankConnectionControl>(index);
}
}  // namespace

BankConnectionDialog::BankConnectionDialog(window::BankConnectionModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setObjectName(QStringLiteral("BankConnection"));
  setWindowTitle(QString::fromStdString(model_.caption()));
  setFont(dialogFont(font()));
  ControlWidgets::Events events;
  events.textChanged = [this](int control, const std::string& text) {
    model_.textChanged(dialogControl(control), text);
    showModel();
  };
  events.clicked = [this](int control) {
    model_.clicked(dialogControl(control));
    showModel();
  };
  widgets_ = std::make_unique<ControlWidgets>(this, model_.controls(), std::move(events));
  setFixedSize(designSize(model_.clientSize()));
}

BankConnectionDialog::~BankConnectionDialog() = default;

void BankConnectionDialog::showModel() {
  widgets_->update(model_.controls());
  if (model_.closed()) QDialog::done(Accepted);
}

void BankConnectionDialog::done(int result) {
  // Escape and the close box save nothing.
  if (!model_.closed()) model_.closeBox();
  QDialog::done(result);
}

}  // namespace ppexport::app

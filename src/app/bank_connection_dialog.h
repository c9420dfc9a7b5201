#pragma once
// The Bank connection dialog in Qt: a binding of its model (window/bank_connection_model.h).

#include <QDialog>
#include <memory>

#include "app/control_widgets.h"
#include "window/bank_connection_model.h"

namespace ppexport::app {

class BankConnectionDialog final : public QDialog {
  Q_OBJECT

 public:
  BankConnectionDialog(window::BankConnectionModel& model, QWidget* parent);
  ~BankConnectionDialog() override;

  // Copies the model into the widgets; closes once the model has closed.
  void showModel();

 protected:
  void done(int result) override;

 private:
  window::BankConnectionModel& model_;
  std::unique_ptr<ControlWidgets> widgets_;
};

}  // namespace ppexport::app

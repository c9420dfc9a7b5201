#pragma once
// The History dialog in Qt: a binding of the history model (window/history_model.h).

#include <QDialog>

#include "window/history_model.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace ppexport::app {

class HistoryDialog final : public QDialog {
  Q_OBJECT

 public:
  HistoryDialog(window::HistoryModel& model, QWidget* parent);

  // Copies the model into the widgets.
  void showModel();

 protected:
  void done(int result) override;

 private:
  window::HistoryModel& model_;
  QTableWidget* entries_;
  QTableWidget* checks_;
  QLabel* notice_;
  QPushButton* saveCopy_;
};

}  // namespace ppexport::app

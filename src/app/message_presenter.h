#pragma once
// Modal message boxes behind a small interface, so that tests can answer them without a dialog
// ever blocking.

#include <QMessageBox>
#include <QString>

class QWidget;

namespace ppexport::app {

class MessagePresenter {
 public:
  virtual ~MessagePresenter() = default;
  // Shows text in a modal box with one OK button and returns once it is answered.
  virtual void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                           const QString& text) = 0;
};

// The platform's message box.
class DialogMessagePresenter final : public MessagePresenter {
 public:
  void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                   const QString& text) override;
};

}  // namespace ppexport::app

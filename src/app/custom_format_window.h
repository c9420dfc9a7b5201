#pragma once
// The custom format editor `CustomFormat`: a second window, beside the main window, in which the
// bookkeeper defines, changes and deletes custom formats. The rules are the core's; the window
// copies its controls into a custom format, calls the core and copies the result back.

#include <QPointer>
#include <QWidget>
#include <array>

#include "app/window_services.h"
#include "custom/custom_format.h"
#include "custom/custom_format_editor.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ppexport::app {

class ExportWindow;

class CustomFormatWindow final : public QWidget {
  Q_OBJECT

 public:
  CustomFormatWindow(const WindowServices& services, ExportWindow* mainWindow);

  // Shows the editor, or brings it to the front, with name in the name box ("" proposes a name
  // for a new format), and loads what is stored under that name.
  void open(const QString& name);

  // Every time the editor becomes the active window: the stored format of the name box, or the
  // proposed name for a new one.
  void activation();
  void loadCustomFormat();
  void maintainOptionalFields();
  void CustomField_Validate(int position);
  void dateFormat_Validate();
  void FieldLength_Validate(int position);
  void saveSettings_Click();
  void deleteFormat_Click();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  void placeControls();
  CustomFormat formatFromControls() const;
  void showFormat(const CustomFormat& format);
  void showLengths(const CustomFormat& format);
  void showMessage(const EditorMessage& message);

  WindowServices services_;
  QPointer<ExportWindow> mainWindow_;
  // A message box of the editor closing gives the editor back its activation; that is no return
  // from another window and must not reload the format over what the user entered.
  bool inMessage_ = false;
  bool returningFromMessage_ = false;

  QLabel* Label1 = nullptr;
  QRadioButton* OptionCSV = nullptr;
  QRadioButton* OptionFixed = nullptr;
  std::array<QLabel*, customFieldCount> FieldLabel{};
  std::array<QComboBox*, customFieldCount> CustomField{};
  std::array<QLabel*, customFieldCount> LengthLabel{};
  std::array<QLineEdit*, customFieldCount> FieldLength{};
  QLabel* dateLabel = nullptr;
  QComboBox* dateFormat = nullptr;
  QLabel* VoidLabel = nullptr;
  QLineEdit* isVoidValue = nullptr;
  QLabel* saveAsLabel = nullptr;
  QLineEdit* saveAsName = nullptr;
  QFrame* Line1 = nullptr;
  QPushButton* deleteFormat = nullptr;
  QPushButton* saveSettings = nullptr;
};

}  // namespace ppexport::app

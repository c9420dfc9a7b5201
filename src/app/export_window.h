#pragma once
// The main window `export`: the bookkeeper picks a QuickBooks bank account, the bank format, the
// identifiers the bank supplied, the date range and the output file, and presses Create. The
// window reads its controls, calls the core and shows what the core reports.

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "app/file_chooser.h"
#include "app/window_services.h"
#include "create/bank_inputs.h"
#include "create/create_operation.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ppexport::app {

class CustomFormatWindow;

// The design caption, " - ", the major version, "." and the revision as two digits: "1.0.5"
// gives "Reruzur UderuridEve rozi Dozedud - 1.05".
QString windowCaption(const std::string& version);

class ExportWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit ExportWindow(const WindowServices& services, QWidget* parent = nullptr);
  ~ExportWindow() override;

  // Start-up, in order: caption, file dialog, account list, bank list, the last account and its
  // settings.
  void startUp();

  void getAccountList();
  void manageBankList();
  void bankList_Change();
  void fillBankCodeList();
  void getUserSettings();
  void saveUserSettings();
  void setAutoDateRange();

  // After the custom format editor saved or deleted a format: the bank list shows text among the
  // refilled entries, and its inputs apply.
  void showBankFormat(const QString& text);

  // The open custom format editor; nullptr when it is closed.
  CustomFormatWindow* customFormatEditor() const;
  const FileDialogSettings& fileDialogSettings() const { return dlgOpenFile_; }

 protected:
  void closeEvent(class QCloseEvent* event) override;

 private:
  // An identifier input: its caption, its box and the star that marks a value the bank supplies.
  struct IdentifierInput {
    QLabel* caption = nullptr;
    QLineEdit* box = nullptr;
    QLabel* star = nullptr;
  };

  void createControls();
  void placeControls();
  void placeIdentifierInputs(InputLayout layout);
  void connectEvents();

  void myAccount_Change();
  void autoDateRange_Click();
  void autoDateRangeDays_Change();
  void editFormat_Click();
  void Select_Click();
  void openDoc_Click();
  void saveSettings_Click();
  void Command1_Click();
  void myCreate_Click();

  static void hideInput(IdentifierInput& input);
  static void showInput(IdentifierInput& input, const InputCaption& caption);
  void switchOutputExtension(bool commaSeparated);
  AccountSettings accountSettingsFromControls() const;
  CreateRequest createRequest() const;
  void showMessage(QMessageBox::Icon icon, const QString& text);
  Date today() const;

  WindowServices services_;
  FileDialogSettings dlgOpenFile_;
  QPointer<CustomFormatWindow> editor_;

  QLabel* Image1 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QComboBox* myAccount = nullptr;
  QGroupBox* Frame1 = nullptr;
  QCheckBox* autoDateRange = nullptr;
  QLineEdit* autoDateRangeDays = nullptr;
  QLabel* Label15 = nullptr;
  QLabel* Label14 = nullptr;
  QLineEdit* fromDate = nullptr;
  QLabel* Label13 = nullptr;
  QLineEdit* toDate = nullptr;
  QLabel* Label7 = nullptr;
  QComboBox* bankList = nullptr;
  QPushButton* editFormat = nullptr;
  IdentifierInput remoteID;
  IdentifierInput bankID;
  IdentifierInput batchID;
  IdentifierInput accountID;
  QLabel* providedByLabel = nullptr;
  QLabel* bankCodeLabel = nullptr;
  QComboBox* bankCode = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* fileName = nullptr;
  QPushButton* Select = nullptr;
  QCheckBox* createReviewFile = nullptr;
  QFrame* Line1 = nullptr;
  QPushButton* openDoc = nullptr;
  QPushButton* saveSettings = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* myCreate = nullptr;
  QLabel* statusLine = nullptr;
};

}  // namespace ppexport::app

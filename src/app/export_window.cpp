#include "app/export_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/custom_format_window.h"
#include "app/dialog_font.h"
#include "app/help_document.h"
#include "app/list_boxes.h"
#include "app/message_presenter.h"
#include "app/program_picture.h"
#include "app/text_conversion.h"
#include "create/format_dispatch.h"
#include "create/messages.h"

namespace ppexport::app {

namespace {
const QString designCaption = QStringLiteral("Reruzur UderuridEve rozi Dozedud");

// Shows the busy pointer for as long as it lives.
class BusyPointer {
 public:
  BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyPointer() { QApplication::restoreOverrideCursor(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

QLabel* newLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QLatin1String(name));
  return label;
}

QLineEdit* newTextBox(QWidget* parent, const char* name, const QString& text = QString()) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(QLatin1String(name));
  return box;
}

QPushButton* newButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

QComboBox* newList(QWidget* parent, const char* name, const QString& text) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QLatin1String(name));
  makeEditableList(list);
  list->setEditText(text);
  return list;
}
}  // namespace

QString windowCaption(const std::string& version) {
  const QStringList parts = QString::fromStdString(version).split(u'.');
  const int major = parts.value(0).toInt();
  const int revision = parts.value(2).toInt();
  return designCaption + QStringLiteral(" - %1.%2").arg(major).arg(revision, 2, 10, QChar(u'0'));
}

ExportWindow::ExportWindow(const WindowServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setObjectName(QStringLiteral("export"));
  setWindowTitle(designCaption);
  setFont(dialogFont(font()));
  createControls();
  placeControls();
  connectEvents();
}

ExportWindow::~ExportWindow() { delete editor_; }

CustomFormatWindow* ExportWindow::customFormatEditor() const { return editor_; }

void ExportWindow::createControls() {
  Image1 = newLabel(this, "Image1", QString());
  Label5 = newLabel(this, "Label5", QString());
  Label5->setWordWrap(true);
  Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  Label6 = newLabel(this, "Label6", QStringLiteral("Account"));
  myAccount = newList(this, "myAccount", QStringLiteral("myAccount"));

  Frame1 = new QGroupBox(QStringLiteral("Date Range"), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  autoDateRange = new QCheckBox(QStringLiteral("Set date range for checks to the last"), Frame1);
  autoDateRange->setObjectName(QStringLiteral("autoDateRange"));
  autoDateRangeDays = newTextBox(Frame1, "autoDateRangeDays", QStringLiteral("90"));
  Label15 = newLabel(Frame1, "Label15", QStringLiteral("days"));
  Label14 = newLabel(Frame1, "Label14", QStringLiteral("From"));
  fromDate = newTextBox(Frame1, "fromDate");
  Label13 = newLabel(Frame1, "Label13", QStringLiteral("To"));
  toDate = newTextBox(Frame1, "toDate");

  Label7 = newLabel(this, "Label7", QStringLiteral("Bank"));
  bankList = newList(this, "bankList", QStringLiteral("<pick a bank for this account>"));
  editFormat = newButton(this, "editFormat", QStringLiteral("Edit"));

  auto identifier = [this](const char* caption, const char* box, const char* star,
                           const QString& text) {
    IdentifierInput input;
    input.caption = newLabel(this, caption, text);
    input.caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
    input.box = newTextBox(this, box);
    input.star = newLabel(this, star, QStringLiteral("*"));
    return input;
  };
  remoteID = identifier("remoteIDLabel", "remoteID", "remoteIDLabel2", QStringLiteral("Remote ID"));
  bankID = identifier("bankIDLabel", "bankID", "bankIDLabel2", QStringLiteral("BankID"));
  batchID = identifier("batchIDLabel", "batchID", "batchIDLabel2", QStringLiteral("Batch ID"));
  accountID = identifier("accountIDLabel", "accountID", "accountIDLabel2",
                         QStringLiteral("Account Number"));
  providedByLabel = newLabel(this, "providedByLabel", QStringLiteral("* Values provided by your bank"));
  providedByLabel->setWordWrap(true);
  providedByLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  bankCodeLabel = newLabel(this, "bankCodeLabel", QStringLiteral("Bank Code"));
  bankCodeLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
  bankCode = newList(this, "bankCode", QStringLiteral("<pick a bank number>"));

  Label4 = newLabel(this, "Label4", QStringLiteral("Output File"));
  fileName = newTextBox(this, "fileName");
  Select = newButton(this, "Select", QStringLiteral("Browse"));
  createReviewFile = new QCheckBox(
      QStringLiteral("Also create a companion 'Positive Pay Review.csv' file for your review."),
      this);
  createReviewFile->setObjectName(QStringLiteral("createReviewFile"));

  Line1 = new QFrame(this);
  Line1->setObjectName(QStringLiteral("Line1"));
  Line1->setFrameShape(QFrame::NoFrame);
  Line1->setAutoFillBackground(true);
  QPalette grey = Line1->palette();
  grey.setColor(QPalette::Window, QColor(128, 128, 128));
  Line1->setPalette(grey);

  openDoc = newButton(this, "openDoc", QStringLiteral("Help"));
  saveSettings = newButton(this, "saveSettings", QStringLiteral("Save"));
  Command1 = newButton(this, "Command1", QStringLiteral("Close"));
  myCreate = newButton(this, "myCreate", QStringLiteral("Create ZurududoZer File"));

  if (!services_.notices.isEmpty()) {
    statusLine = newLabel(this, "statusLine", services_.notices.join(u' '));
    statusLine->setWordWrap(true);
    statusLine->setFrameShape(QFrame::StyledPanel);
    statusLine->setAutoFillBackground(true);
    QPalette notice = statusLine->palette();
    notice.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xCE));
    notice.setColor(QPalette::WindowText, QColor(0x5C, 0x40, 0x00));
    statusLine->setPalette(notice);
  }

  // Each caption names its box for the keyboard and for screen readers.
  Label6->setBuddy(myAccount);
  Label15->setBuddy(autoDateRangeDays);
  Label14->setBuddy(fromDate);
  Label13->setBuddy(toDate);
  Label7->setBuddy(bankList);
  for (IdentifierInput* input : {&remoteID, &bankID, &batchID, &accountID}) {
    input->caption->setBuddy(input->box);
  }
  bankCodeLabel->setBuddy(bankCode);
  Label4->setBuddy(fileName);

  // The identifier inputs, their note and the bank-code list appear only for the formats that
  // ask for them.
  for (IdentifierInput* input : {&remoteID, &bankID, &batchID, &accountID}) hideInput(*input);
  providedByLabel->hide();
  bankCodeLabel->hide();
  bankCode->hide();
}

void ExportWindow::connectEvents() {
  connect(myAccount, &QComboBox::editTextChanged, this, [this] { myAccount_Change(); });
  connect(myAccount, &QComboBox::activated, this, [this] { myAccount_Change(); });
  connect(autoDateRange, &QCheckBox::clicked, this, [this] { autoDateRange_Click(); });
  connect(autoDateRangeDays, &QLineEdit::textChanged, this, [this] { autoDateRangeDays_Change(); });
  connect(bankList, &QComboBox::editTextChanged, this, [this] { bankList_Change(); });
  connect(bankList, &QComboBox::activated, this, [this] { bankList_Change(); });
  connect(editFormat, &QPushButton::clicked, this, [this] { editFormat_Click(); });
  connect(Select, &QPushButton::clicked, this, [this] { Select_Click(); });
  connect(openDoc, &QPushButton::clicked, this, [this] { openDoc_Click(); });
  connect(saveSettings, &QPushButton::clicked, this, [this] { saveSettings_Click(); });
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(myCreate, &QPushButton::clicked, this, [this] { myCreate_Click(); });
}

void ExportWindow::startUp() {
  setWindowTitle(windowCaption(services_.version));
  dlgOpenFile_.title = QStringLiteral("Enter a file name");
  dlgOpenFile_.filter = QStringLiteral("TXT Files (*.txt)");
  getAccountList();
  Label5->setText(QStringLiteral("Fill out the fields below to create a ZurududoZer file."));
  manageBankList();
  getUserSettings();
}

void ExportWindow::closeEvent(QCloseEvent* event) {
  // The window's own close box saves nothing; the Close button saves before it closes.
  event->accept();
}

void ExportWindow::editFormat_Click() {
  QString name;
  if (editFormat->text() == QLatin1String("Edit")) {
    const std::optional<std::string> format = customFormatName(toCore(bankList->currentText()));
    name = format ? fromCore(*format) : QString();
  } else if (editFormat->text() != QLatin1String("Add")) {
    return;
  }
  if (!editor_) editor_ = new CustomFormatWindow(services_, this);
  editor_->open(name);
}

void ExportWindow::Select_Click() {
  // Without a saved file to start on, the dialog opens in the folder of the output file box.
  FileDialogSettings dialog = dlgOpenFile_;
  const QFileInfo shown(fileName->text());
  if (!shown.fileName().isEmpty() && shown.absoluteDir().exists()) {
    dialog.startFolder = shown.absolutePath();
  }
  const FileChoice choice = services_.files->chooseFile(this, dialog);
  switch (choice.outcome) {
    case FileChoice::Outcome::Cancelled:
      return;
    case FileChoice::Outcome::Failed:
      showMessage(QMessageBox::Critical, QStringLiteral("Error %1 choosing file.\n%2")
                                             .arg(choice.errorNumber)
                                             .arg(choice.errorDescription));
      return;
    case FileChoice::Outcome::Chosen:
      break;
  }
  // The bank file is a text file: a name chosen without ".txt" gets it.
  const QString& path = choice.path;
  if (trimSpaces(path.right(4)).toUpper() == QLatin1String(".TXT")) {
    fileName->setText(path);
  } else {
    fileName->setText(trimSpaces(path) + QStringLiteral(".txt"));
  }
}

void ExportWindow::openDoc_Click() {
  openDoc->setEnabled(false);
  {
    BusyPointer busy;
    openDocumentation(this, services_.programFolder, QLatin1String(instructionsDocument),
                      *services_.documents, *services_.messages);
  }
  openDoc->setEnabled(true);
}

void ExportWindow::saveSettings_Click() { saveUserSettings(); }

void ExportWindow::Command1_Click() {
  saveUserSettings();
  close();
}

void ExportWindow::myCreate_Click() {
  myCreate->setEnabled(false);
  CreateRequest request;
  CreateOutcome outcome;
  {
    BusyPointer busy;
    // The disabled button and the busy pointer show before QuickBooks is asked.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const CreateServices services{services_.quickBooks, services_.settings, services_.clock,
                                  services_.reportFolder};
    request = createRequest();
    outcome = createFile(request, services);
  }
  QMessageBox::Icon icon = QMessageBox::Information;
  if (outcome.message.icon == MessageIcon::Critical) icon = QMessageBox::Critical;
  if (outcome.message.icon == MessageIcon::Warning) icon = QMessageBox::Warning;
  showMessage(icon, messageNamingFile(outcome.message.text, request.fileName));
  myCreate->setEnabled(true);
}

CreateRequest ExportWindow::createRequest() const {
  auto identifier = [](const IdentifierInput& input) {
    return IdentifierBox{toCore(input.box->text()), !input.box->isHidden()};
  };
  CreateRequest request;
  request.bankListText = toCore(bankList->currentText());
  request.bankListIndex = selectedEntry(bankList);
  request.accountText = toCore(myAccount->currentText());
  request.accountIndex = selectedEntry(myAccount);
  request.fileName = toPath(fileName->text());
  request.fromDate = toCore(fromDate->text());
  request.toDate = toCore(toDate->text());
  request.bankId = identifier(bankID);
  request.accountId = identifier(accountID);
  request.remoteId = identifier(remoteID);
  request.batchId = identifier(batchID);
  request.bankCode = toCore(bankCode->currentText());
  request.createReviewFile = createReviewFile->checkState() == Qt::Checked;
  request.accountSettings = accountSettingsFromControls();
  return request;
}

void ExportWindow::showMessage(QMessageBox::Icon icon, const QString& text) {
  services_.messages->showMessage(this, icon, fromCore(applicationTitle), text);
}

Date ExportWindow::today() const { return services_.clock->now().date; }

}  // namespace ppexport::app

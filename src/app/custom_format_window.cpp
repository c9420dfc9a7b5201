#include "app/custom_format_window.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/design_measures.h"
#include "app/dialog_font.h"
#include "app/export_window.h"
#include "app/list_boxes.h"
#include "app/message_presenter.h"
#include "app/text_conversion.h"
#include "create/messages.h"

namespace ppexport::app {

namespace {
constexpr int clientWidth = 7950;
constexpr int clientHeight = 7365;
constexpr int firstRowTop = 1380;
constexpr int rowStep = 420;
constexpr int captionHeight = 255;

QLabel* newLabel(QWidget* parent, const QString& name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  return label;
}

QComboBox* newList(QWidget* parent, const QString& name) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  makeEditableList(list);
  return list;
}

QPushButton* newButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

// Leaving a box for another control of the editor runs its validator; switching windows or
// opening the box's own pick list does not.
bool leavesTheBox(QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}
}  // namespace

CustomFormatWindow::CustomFormatWindow(const WindowServices& services, ExportWindow* mainWindow)
    : QWidget(nullptr), services_(services), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("CustomFormat"));
  setWindowTitle(QStringLiteral("Custom Format"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(dialogFont(font()));
  createControls();
  placeControls();
}

void CustomFormatWindow::createControls() {
  Label1 = newLabel(this, QStringLiteral("Label1"),
                    QStringLiteral("Create a Custom file format: Select CSV or TXT, the fields you "
                                   "want to include in your custom output file, choose the date "
                                   "format, name the Custom Format and then click Save."));
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  OptionCSV = new QRadioButton(QStringLiteral("Comma Separated Values  (*.CSV)"), this);
  OptionCSV->setObjectName(QStringLiteral("OptionCSV"));
  OptionFixed = new QRadioButton(QStringLiteral("Fixed Length Fields (*.TXT)"), this);
  OptionFixed->setObjectName(QStringLiteral("OptionFixed"));
  connect(OptionCSV, &QRadioButton::toggled, this, [this] { maintainOptionalFields(); });
  connect(OptionFixed, &QRadioButton::toggled, this, [this] { maintainOptionalFields(); });

  for (std::size_t index = 0; index < customFieldCount; ++index) {
    const int position = static_cast<int>(index) + 1;
    const QString number = QString::number(position);
    FieldLabel[index] =
        newLabel(this, QStringLiteral("FieldLabel") + number, QStringLiteral("Field ") + number);
    CustomField[index] = newList(this, QStringLiteral("CustomField") + number);
    for (std::string_view field : customFieldNames) CustomField[index]->addItem(fromCore(field));
    setListText(CustomField[index], QString());
    CustomField[index]->lineEdit()->installEventFilter(this);
    LengthLabel[index] = newLabel(this, QStringLiteral("LengthLabel") + number,
                                  QStringLiteral("Length"));
    FieldLength[index] = new QLineEdit(this);
    FieldLength[index]->setObjectName(QStringLiteral("FieldLength") + number);
    FieldLength[index]->installEventFilter(this);
    FieldLabel[index]->setBuddy(CustomField[index]);
    LengthLabel[index]->setBuddy(FieldLength[index]);
  }

  dateLabel = newLabel(this, QStringLiteral("dateLabel"), QStringLiteral("Date Format"));
  dateFormat = newList(this, QStringLiteral("dateFormat"));
  for (std::string_view pattern : customDatePatterns) dateFormat->addItem(fromCore(pattern));
  setListText(dateFormat, QString());
  dateFormat->lineEdit()->installEventFilter(this);
  VoidLabel = newLabel(this, QStringLiteral("VoidLabel"), QStringLiteral("Is Void Value"));
  isVoidValue = new QLineEdit(this);
  isVoidValue->setObjectName(QStringLiteral("isVoidValue"));
  saveAsLabel = newLabel(this, QStringLiteral("saveAsLabel"), QStringLiteral("Custom Format"));
  saveAsName = new QLineEdit(this);
  saveAsName->setObjectName(QStringLiteral("saveAsName"));
  dateLabel->setBuddy(dateFormat);
  VoidLabel->setBuddy(isVoidValue);
  saveAsLabel->setBuddy(saveAsName);

  Line1 = new QFrame(this);
  Line1->setObjectName(QStringLiteral("Line1"));
  Line1->setAutoFillBackground(true);
  QPalette grey = Line1->palette();
  grey.setColor(QPalette::Window, QColor(128, 128, 128));
  Line1->setPalette(grey);

  deleteFormat = newButton(this, "deleteFormat", QStringLiteral("Delete"));
  saveSettings = newButton(this, "saveSettings", QStringLiteral("Save"));
  connect(deleteFormat, &QPushButton::clicked, this, [this] { deleteFormat_Click(); });
  connect(saveSettings, &QPushButton::clicked, this, [this] { saveSettings_Click(); });
  maintainOptionalFields();
}

void CustomFormatWindow::placeControls() {
  place(Label1, 120, 120, 7710, 615);
  place(OptionCSV, 480, 840, 3480, 315);
  place(OptionFixed, 4080, 840, 3480, 315);
  // One row per field: its list at the left, its length to the right.
  for (std::size_t index = 0; index < customFieldCount; ++index) {
    const int top = firstRowTop + static_cast<int>(index) * rowStep;
    place(FieldLabel[index], 180, top + 45, 1200, captionHeight);
    place(CustomField[index], 1440, top, 3000, 315);
    place(LengthLabel[index], 4680, top + 45, 720, captionHeight);
    place(FieldLength[index], 5460, top, 900, 315);
  }
  const int belowRows = firstRowTop + static_cast<int>(customFieldCount) * rowStep + 120;
  place(dateLabel, 180, belowRows + 45, 1200, captionHeight);
  place(dateFormat, 1440, belowRows, 3000, 315);
  place(VoidLabel, 180, belowRows + rowStep + 45, 1200, captionHeight);
  place(isVoidValue, 1440, belowRows + rowStep, 3000, 315);
  place(saveAsLabel, 180, belowRows + 2 * rowStep + 45, 1200, captionHeight);
  place(saveAsName, 1440, belowRows + 2 * rowStep, 3000, 315);
  place(Line1, 15, 6420, 7905, 15);
  place(deleteFormat, 4920, 6660, 1215, 375);
  place(saveSettings, 6360, 6660, 1215, 375);
  setFixedSize(pixels(clientWidth), pixels(clientHeight));
}

void CustomFormatWindow::open(const QString& name) {
  saveAsName->setText(name);
  if (isVisible()) raise();
  show();
  activateWindow();
  activation();
}

bool CustomFormatWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    if (inMessage_ || returningFromMessage_) {
      returningFromMessage_ = false;
    } else {
      activation();
    }
  } else if (event->type() == QEvent::WindowDeactivate && !inMessage_) {
    // The user went to another window: coming back is a real return.
    returningFromMessage_ = false;
  }
  return QWidget::event(event);
}

bool CustomFormatWindow::eventFilter(QObject* watched, QEvent* event) {
  if (leavesTheBox(event)) {
    for (std::size_t index = 0; index < customFieldCount; ++index) {
      const int position = static_cast<int>(index) + 1;
      if (watched == CustomField[index]->lineEdit()) CustomField_Validate(position);
      if (watched == FieldLength[index]) FieldLength_Validate(position);
    }
    if (watched == dateFormat->lineEdit()) dateFormat_Validate();
  }
  return QWidget::eventFilter(watched, event);
}

void CustomFormatWindow::activation() {
  const CustomFormat format =
      activateCustomFormatEditor(*services_.settings, toCore(saveAsName->text()));
  const QString name = fromCore(format.name);
  if (saveAsName->text() != name) saveAsName->setText(name);
  showFormat(format);
}

void CustomFormatWindow::loadCustomFormat() {
  showFormat(ppexport::loadCustomFormat(*services_.settings, toCore(saveAsName->text())));
}

void CustomFormatWindow::showFormat(const CustomFormat& format) {
  for (std::size_t index = 0; index < customFieldCount; ++index) {
    setListText(CustomField[index], fromCore(format.fields[index]));
  }
  isVoidValue->setText(fromCore(format.voidValue));
  setListText(dateFormat, fromCore(format.dateFormat));
  OptionCSV->setChecked(!format.fixedLength);
  OptionFixed->setChecked(format.fixedLength);
  showLengths(format);
}

void CustomFormatWindow::showLengths(const CustomFormat& format) {
  for (std::size_t index = 0; index < customFieldCount; ++index) {
    const QString length = fromCore(format.lengths[index]);
    if (FieldLength[index]->text() != length) FieldLength[index]->setText(length);
  }
}

void CustomFormatWindow::maintainOptionalFields() {
  const bool fixedLength = OptionFixed->isChecked();
  for (std::size_t index = 0; index < customFieldCount; ++index) {
    LengthLabel[index]->setVisible(fixedLength);
    FieldLength[index]->setVisible(fixedLength);
  }
}

CustomFormat CustomFormatWindow::formatFromControls() const {
  CustomFormat format;
  format.name = toCore(saveAsName->text());
  for (std::size_t index = 0; index < customFieldCount; ++index) {
    format.fields[index] = toCore(CustomField[index]->currentText());
    format.lengths[index] = toCore(FieldLength[index]->text());
  }
  format.voidValue = toCore(isVoidValue->text());
  format.dateFormat = toCore(dateFormat->currentText());
  format.fixedLength = OptionFixed->isChecked();
  return format;
}

void CustomFormatWindow::CustomField_Validate(int position) {
  CustomFormat format = formatFromControls();
  validateField(format, position);
  showLengths(format);
}

void CustomFormatWindow::dateFormat_Validate() {
  CustomFormat format = formatFromControls();
  validateDateFormat(format);
  showLengths(format);
}

void CustomFormatWindow::FieldLength_Validate(int position) {
  QLineEdit* box = FieldLength[static_cast<std::size_t>(position - 1)];
  const QString corrected = fromCore(validateLength(toCore(box->text())));
  if (box->text() != corrected) box->setText(corrected);
}

void CustomFormatWindow::saveSettings_Click() {
  CustomFormat format = formatFromControls();
  const SaveResult result = saveCustomFormat(*services_.settings, format);
  showLengths(format);
  if (!result.saved()) {
    showMessage(result.message);
    return;
  }
  if (mainWindow_) mainWindow_->showBankFormat(fromCore(result.bankListText));
  close();
}

void CustomFormatWindow::deleteFormat_Click() {
  if (const std::optional<EditorMessage> refused =
          deleteCustomFormat(*services_.settings, toCore(saveAsName->text()))) {
    showMessage(*refused);
    return;
  }
  if (mainWindow_) mainWindow_->showBankFormat(QString());
  close();
}

void CustomFormatWindow::showMessage(const EditorMessage& message) {
  inMessage_ = true;
  services_.messages->showMessage(this, QMessageBox::Critical, fromCore(applicationTitle),
                                  messageText(message.text));
  inMessage_ = false;
  returningFromMessage_ = true;
}

}  // namespace ppexport::app

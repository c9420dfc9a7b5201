// The custom format editor: the proposed name, loading, the validators when a box is left, Save
// and Delete with the main window's bank list, and activation reloading from the store.

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/custom_format_window.h"
#include "window_fixture.h"

using namespace ppexport;
using namespace ppexport::testing;
using namespace Qt::StringLiterals;

namespace {
struct EditorFixture : WindowFixture {
  app::CustomFormatWindow* editor = nullptr;

  // Starts the main window and opens the editor with the edit button, on bank as chosen first.
  void openEditor(const QString& bank = QString()) {
    if (!window) start();
    if (!bank.isEmpty()) {
      auto* banks = control<QComboBox>("bankList");
      banks->setCurrentIndex(banks->findText(bank));
    }
    control<QPushButton>("editFormat")->click();
    editor = window->customFormatEditor();
    QVERIFY(editor != nullptr);
  }
  template <typename Control>
  Control* in(const QString& name) const {
    return editor->findChild<Control*>(name);
  }
  QComboBox* field(int n) const { return in<QComboBox>(u"CustomField%1"_s.arg(n)); }
  QLineEdit* length(int n) const { return in<QLineEdit>(u"FieldLength%1"_s.arg(n)); }
  QLineEdit* name() const { return in<QLineEdit>(u"saveAsName"_s); }
  QComboBox* dateFormat() const { return in<QComboBox>(u"dateFormat"_s); }
  // Clicks a button of the editor (the main window has a Save button too).
  void click(const char* button) const { in<QPushButton>(QLatin1String(button))->click(); }
};

// The user leaves a box for another control of the editor.
void leave(QWidget* box) {
  QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(box, &focusOut);
}

void sendToWindow(QWidget* window, QEvent::Type type) {
  QEvent event(type);
  QApplication::sendEvent(window, &event);
}
}  // namespace

class CustomFormatEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void addShowsTheDefaults();
  void theEditorHasEveryControl();
  void editLoadsTheStoredFormat();
  void validatorsRunWhenABoxIsLeft();
  void saveStoresTheFormatAndShowsItInTheBankList();
  void saveRefusesAnIncompleteFormat();
  void deleteRemovesTheFormat();
  void activationReloadsButAMessageDoesNot();
};

// The proposed name with formats stored ("Default 2") is checked with the edit button.
void CustomFormatEditorTest::addShowsTheDefaults() {
  EditorFixture fixture;
  fixture.openEditor();
  QCOMPARE(fixture.name()->text(), u"Default"_s);
  QCOMPARE(fixture.in<QLineEdit>(u"isVoidValue"_s)->text(), u"Yes"_s);
  QCOMPARE(fixture.dateFormat()->currentText(), u"MM/DD/YYYY"_s);
  QVERIFY(fixture.in<QRadioButton>(u"OptionCSV"_s)->isChecked());
  QVERIFY(fixture.length(1)->isHidden());
  QCOMPARE(fixture.field(1)->currentText(), QString());
}

void CustomFormatEditorTest::theEditorHasEveryControl() {
  EditorFixture fixture;
  fixture.openEditor();
  app::CustomFormatWindow* editor = fixture.editor;
  QCOMPARE(editor->objectName(), u"CustomFormat"_s);
  QCOMPARE(editor->windowTitle(), u"Custom Format"_s);
  QCOMPARE(editor->size(), QSize(530, 491));
  // Each control's caption and its place in twips.
  auto row = [&](const QString& name, const QString& text, QRect twips) {
    QWidget* control = fixture.in<QWidget>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    expectDesigned(control, name, text, twips);
  };
  row(u"OptionCSV"_s, u"Comma Separated Values  (*.CSV)"_s, {480, 840, 3480, 315});
  row(u"OptionFixed"_s, u"Fixed Length Fields (*.TXT)"_s, {4080, 840, 3480, 315});
  for (int n = 1; n <= 8; ++n) {
    const int top = 1380 + (n - 1) * 420;
    row(u"FieldLabel%1"_s.arg(n), u"Field %1"_s.arg(n), {180, top + 45, 1200, 255});
    row(u"CustomField%1"_s.arg(n), QString(), {1440, top, 3000, 315});
    row(u"LengthLabel%1"_s.arg(n), u"Length"_s, {4680, top + 45, 720, 255});
    QCOMPARE(fixture.field(n)->count(), 8);
    QCOMPARE(fixture.field(n)->itemText(7), u"Account Number"_s);
    QVERIFY(fixture.field(n)->isEditable());
  }
  row(u"dateLabel"_s, u"Date Format"_s, {180, 4905, 1200, 255});
  row(u"VoidLabel"_s, u"Is Void Value"_s, {180, 5325, 1200, 255});
  row(u"saveAsLabel"_s, u"Custom Format"_s, {180, 5745, 1200, 255});
  row(u"Line1"_s, QString(), {15, 6420, 7905, 15});
  row(u"deleteFormat"_s, u"Delete"_s, {4920, 6660, 1215, 375});
  row(u"saveSettings"_s, u"Save"_s, {6360, 6660, 1215, 375});
  QVERIFY(fixture.in<QLabel>(u"Label1"_s) != nullptr);
  QCOMPARE(fixture.dateFormat()->count(), 15);
  QCOMPARE(fixture.dateFormat()->itemText(14), u"YYYYMMDD"_s);
}

void CustomFormatEditorTest::editLoadsTheStoredFormat() {
  EditorFixture fixture;
  MemorySettingsStore& store = fixture.settings;
  store.saveSetting("Custom Format: Payroll", "Payroll");
  store.saveSetting("PayrollCustomField1", "Check Number");
  store.saveSetting("PayrollCustomField2", "Amount");
  store.saveSetting("PayrollCustomField3", "Stub text");  // not an offered field: shown as stored
  store.saveSetting("PayrollFieldLength1", "10");
  store.saveSetting("PayrollFieldLength2", "12");
  store.saveSetting("PayrollisVoidValue", "V");
  store.saveSetting("PayrolldateFormat", "YYYYMMDD");
  store.saveSetting("PayrollOptionCSV", "False");
  store.saveSetting("PayrollOptionFixed", "True");
  fixture.openEditor(u"Custom Format: Payroll"_s);
  QCOMPARE(fixture.name()->text(), u"Payroll"_s);
  QCOMPARE(fixture.field(1)->currentText(), u"Check Number"_s);
  QCOMPARE(fixture.field(2)->currentText(), u"Amount"_s);
  QCOMPARE(fixture.field(3)->currentText(), u"Stub text"_s);
  QCOMPARE(fixture.length(2)->text(), u"12"_s);
  QCOMPARE(fixture.in<QLineEdit>(u"isVoidValue"_s)->text(), u"V"_s);
  QCOMPARE(fixture.dateFormat()->currentText(), u"YYYYMMDD"_s);
  QVERIFY(fixture.in<QRadioButton>(u"OptionFixed"_s)->isChecked());
  QVERIFY(!fixture.length(1)->isHidden());
  QVERIFY(!fixture.in<QLabel>(u"LengthLabel8"_s)->isHidden());
  // Choosing comma-separated hides the lengths.
  fixture.in<QRadioButton>(u"OptionCSV"_s)->click();
  QVERIFY(fixture.length(1)->isHidden());
  QVERIFY(fixture.in<QLabel>(u"LengthLabel1"_s)->isHidden());
}

// The validators' rules are the core's; here, that leaving a box runs the right one.
void CustomFormatEditorTest::validatorsRunWhenABoxIsLeft() {
  EditorFixture fixture;
  fixture.openEditor();
  fixture.field(3)->setEditText(u"Date"_s);
  leave(fixture.field(3)->lineEdit());
  QCOMPARE(fixture.length(3)->text(), u"10"_s);
  fixture.dateFormat()->setEditText(u"YYYYMMDD"_s);
  QCOMPARE(fixture.length(3)->text(), u"10"_s);  // not before the box is left
  leave(fixture.dateFormat()->lineEdit());
  QCOMPARE(fixture.length(3)->text(), u"8"_s);
  // Another field leaves its length alone.
  fixture.field(4)->setEditText(u"Payee"_s);
  fixture.length(4)->setText(u"30"_s);
  leave(fixture.field(4)->lineEdit());
  QCOMPARE(fixture.length(4)->text(), u"30"_s);
  // A length box is corrected when left.
  fixture.in<QRadioButton>(u"OptionFixed"_s)->click();
  for (const auto& [typed, corrected] : {std::pair{" 007 ", "7"}, {"abc", ""}, {"-12", "12"}}) {
    fixture.length(5)->setText(QLatin1String(typed));
    leave(fixture.length(5));
    QCOMPARE(fixture.length(5)->text(), QLatin1String(corrected));
  }
}

void CustomFormatEditorTest::saveStoresTheFormatAndShowsItInTheBankList() {
  EditorFixture fixture;
  fixture.settings.saveSetting("Custom Format: Older", "Older");
  fixture.start();
  fixture.control<QLineEdit>("fileName")->setText(u"/books/pay.txt"_s);
  fixture.openEditor();
  fixture.in<QRadioButton>(u"OptionFixed"_s)->click();
  fixture.field(1)->setCurrentIndex(fixture.field(1)->findText(u"Check Number"_s));
  fixture.length(1)->setText(u"10"_s);
  fixture.field(2)->setEditText(u"Date"_s);  // its length follows the pattern on Save
  fixture.name()->setText(u"  Payroll  "_s);
  fixture.click("saveSettings");

  QVERIFY(fixture.messages.shown.empty());
  QCOMPARE(fixture.stored("Custom Format: Payroll"), std::string("Payroll"));
  QCOMPARE(fixture.stored("PayrollCustomField1"), std::string("Check Number"));
  QCOMPARE(fixture.stored("PayrollFieldLength2"), std::string("10"));
  QCOMPARE(fixture.stored("PayrollOptionCSV"), std::string("False"));
  QCOMPARE(fixture.stored("PayrollOptionFixed"), std::string("True"));
  QCOMPARE(fixture.stored("PayrollisVoidValue"), std::string("Yes"));

  auto* banks = fixture.control<QComboBox>("bankList");
  QCOMPARE(banks->count(), 37);
  QCOMPARE(banks->itemText(1), u"Custom Format: Payroll"_s);
  QCOMPARE(banks->currentText(), u"Custom Format: Payroll"_s);
  QCOMPARE(fixture.text("editFormat"), u"Edit"_s);
  QVERIFY(!fixture.hidden("accountID"));
  QCOMPARE(fixture.text("fileName"), u"/books/pay.txt"_s);
  QTRY_VERIFY(fixture.window->customFormatEditor() == nullptr);

  // Edit it into a comma-separated format: the output file follows.
  fixture.openEditor();
  QCOMPARE(fixture.name()->text(), u"Payroll"_s);
  QCOMPARE(fixture.length(1)->text(), u"10"_s);
  fixture.in<QRadioButton>(u"OptionCSV"_s)->click();
  fixture.click("saveSettings");
  QCOMPARE(fixture.stored("PayrollOptionCSV"), std::string("True"));
  QCOMPARE(fixture.text("fileName"), u"/books/pay.csv"_s);
  QCOMPARE(banks->count(), 37);
}

void CustomFormatEditorTest::saveRefusesAnIncompleteFormat() {
  EditorFixture fixture;
  fixture.openEditor();
  fixture.click("saveSettings");
  QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
  QCOMPARE(fixture.messages.shown[0].icon, QMessageBox::Critical);
  QCOMPARE(fixture.messages.shown[0].text,
           u"To save a custom format, specify at least one field."_s);

  fixture.in<QRadioButton>(u"OptionFixed"_s)->click();
  fixture.field(1)->setEditText(u"Payee"_s);
  fixture.length(1)->setText(u"30"_s);
  fixture.field(2)->setEditText(u"Amount"_s);
  fixture.click("saveSettings");
  QCOMPARE(fixture.messages.shown.size(), std::size_t{2});
  QCOMPARE(fixture.messages.shown[1].text,
           u"To save a fixed length field custom format, specify the field length as a number for "
           u"each field selected."_s);
  QVERIFY(fixture.settings.enumerate().empty());
  // The editor stays open with everything as entered.
  QVERIFY(fixture.window->customFormatEditor() != nullptr);
  QCOMPARE(fixture.field(2)->currentText(), u"Amount"_s);

  // Only field 8 filled is enough for a comma-separated format.
  fixture.in<QRadioButton>(u"OptionCSV"_s)->click();
  fixture.field(1)->setEditText(QString());
  fixture.field(2)->setEditText(QString());
  fixture.field(8)->setEditText(u"Memo"_s);
  fixture.click("saveSettings");
  QCOMPARE(fixture.messages.shown.size(), std::size_t{2});
  QCOMPARE(fixture.stored("DefaultCustomField8"), std::string("Memo"));
}

void CustomFormatEditorTest::deleteRemovesTheFormat() {
  EditorFixture fixture;
  fixture.settings.saveSetting("Custom Format: Payroll", "Payroll");
  fixture.settings.saveSetting("PayrollCustomField1", "Payee");
  fixture.settings.saveSetting("Custom Format: Vendors", "Vendors");
  fixture.openEditor(u"Custom Format: Payroll"_s);
  fixture.click("deleteFormat");
  QVERIFY(fixture.messages.shown.empty());
  QCOMPARE(fixture.stored("Custom Format: Payroll"), std::string("<absent>"));
  QCOMPARE(fixture.stored("PayrollCustomField1"), std::string("<absent>"));
  auto* banks = fixture.control<QComboBox>("bankList");
  QCOMPARE(banks->count(), 36);
  QCOMPARE(banks->itemText(0), u"Custom Format: Vendors"_s);
  QCOMPARE(banks->currentText(), QString());
  QCOMPARE(fixture.text("editFormat"), u"Add"_s);
  QTRY_VERIFY(fixture.window->customFormatEditor() == nullptr);

  // A name with spaces around it removes nothing, yet the editor closes.
  fixture.openEditor(u"Custom Format: Vendors"_s);
  fixture.name()->setText(u" Vendors "_s);
  fixture.click("deleteFormat");
  QCOMPARE(fixture.stored("Custom Format: Vendors"), std::string("Vendors"));
  QTRY_VERIFY(fixture.window->customFormatEditor() == nullptr);
}

void CustomFormatEditorTest::activationReloadsButAMessageDoesNot() {
  EditorFixture fixture;
  fixture.settings.saveSetting("Custom Format: Payroll", "Payroll");
  fixture.settings.saveSetting("PayrollCustomField1", "Payee");
  fixture.openEditor(u"Custom Format: Payroll"_s);
  fixture.field(1)->setEditText(QString());
  fixture.click("saveSettings");  // refused: no field
  QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
  // The editor comes back to the front when the message closes: the entries stay.
  sendToWindow(fixture.editor, QEvent::WindowActivate);
  QCOMPARE(fixture.field(1)->currentText(), QString());
  // Going to the main window and back discards what was not saved.
  sendToWindow(fixture.editor, QEvent::WindowDeactivate);
  sendToWindow(fixture.editor, QEvent::WindowActivate);
  QCOMPARE(fixture.field(1)->currentText(), u"Payee"_s);
}

QTEST_MAIN(CustomFormatEditorTest)
#include "custom_format_editor_test.moc"

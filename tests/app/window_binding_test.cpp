// The Qt window as a binding of the window models: its widgets show the model's controls, widget
// events reach the model, the busy pointer and the repaint come before QuickBooks is asked, and
// the editor window opens, validates and closes with its model. The behaviour itself is tested on
// the models.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/custom_format_window.h"
#include "app/design_measures.h"
#include "app/dialogs.h"
#include "app/export_window.h"
#include "support/reports.h"
#include "window/model_fixture.h"

using namespace ppexport;
using namespace ppexport::testing;
using namespace Qt::StringLiterals;

namespace {
struct BindingFixture : ModelFixture {
  app::WaitCursor cursor;
  std::unique_ptr<app::ExportWindow> window;

  app::ExportWindow& startWindow() {
    window::WindowServices windowServices = services();
    windowServices.busy = &cursor;
    window = std::make_unique<app::ExportWindow>(windowServices);
    window->startUp();
    return *window;
  }
  template <typename Widget = QWidget>
  Widget* widget(const char* name) const {
    return window->findChild<Widget*>(QLatin1String(name));
  }
};

QString shownText(const QWidget* widget) {
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (auto* box = qobject_cast<const QLineEdit*>(widget)) return box->text();
  if (auto* list = qobject_cast<const QComboBox*>(widget)) return list->currentText();
  if (auto* frame = qobject_cast<const QGroupBox*>(widget)) return frame->title();
  return {};
}

// Every widget of window shows its model control: text, place, visibility.
void expectShowsModel(const QWidget* window, const std::vector<window::Control>& controls) {
  for (const window::Control& control : controls) {
    const QString name = QString::fromUtf8(control.name.data(), control.name.size());
    const QWidget* widget = window->findChild<QWidget*>(name);
    QVERIFY2(widget != nullptr, qPrintable(name));
    if (control.kind != window::ControlKind::Picture && control.kind != window::ControlKind::Line) {
      const QString label = name + QStringLiteral(": ");
      QCOMPARE(label + shownText(widget), label + QString::fromStdString(control.text));
    }
    QCOMPARE(widget->geometry(), app::designRect(control.place));
    QVERIFY2(widget->isHidden() != control.visible, qPrintable(name));
    QVERIFY2(widget->isEnabled() == control.enabled, qPrintable(name));
  }
}
}  // namespace

class WindowBindingTest : public QObject {
  Q_OBJECT

 private slots:
  void widgetsShowTheModel();
  void widgetEventsReachTheModel();
  void createShowsTheBusyPointerAndTheDisabledButtonFirst();
  void theEditorWindowFollowsItsModel();
};

void WindowBindingTest::widgetsShowTheModel() {
  BindingFixture fixture;
  fixture.settings.saveSetting("myAccount", "Checking");
  fixture.settings.saveSetting("CheckingbankList", "TD Bank Canada CFP - 80 Byte");
  fixture.settings.saveSetting("CheckingcreateReviewFile", "2");
  app::ExportWindow& window = fixture.startWindow();
  QCOMPARE(window.objectName(), u"export"_s);
  QCOMPARE(window.windowTitle(), u"Positive Pay Export - 1.00"_s);
  QCOMPARE(window.size(), QSize(495, 541));
  expectShowsModel(&window, window.model().controls());
  QCOMPARE(fixture.widget("autoDateRangeDays")->parentWidget(), fixture.widget("Frame1"));
  QCOMPARE(fixture.widget<QCheckBox>("createReviewFile")->checkState(), Qt::PartiallyChecked);
  QCOMPARE(fixture.widget<QLabel>("Label4")->buddy(), fixture.widget("fileName"));
  // The output file waits for editing, the caret after its last character.
  auto* file = fixture.widget<QLineEdit>("fileName");
  QCOMPARE(file->cursorPosition(), file->text().size());
  // A merged bank's note shows under the bank list, in a window a row taller.
  auto* banks = fixture.widget<QComboBox>("bankList");
  const int sunTrust = banks->findText(u"SunTrust"_s);
  banks->setCurrentIndex(sunTrust);
  emit banks->activated(sunTrust);
  QCOMPARE(window.size(), QSize(495, 561));
  expectShowsModel(&window, window.model().controls());
}

void WindowBindingTest::widgetEventsReachTheModel() {
  BindingFixture fixture;
  fixture.settings.saveSetting("SavingsbankList", "Wells Fargo ARP - Standard");
  app::ExportWindow& window = fixture.startWindow();
  auto* accounts = fixture.widget<QComboBox>("myAccount");
  accounts->setCurrentIndex(1);
  emit accounts->activated(1);
  QCOMPARE(fixture.stored("myAccount"), std::string("Savings"));
  QCOMPARE(fixture.widget<QComboBox>("bankList")->currentText(), u"Wells Fargo ARP - Standard"_s);
  QVERIFY(!fixture.widget("batchID")->isHidden());

  // Typing: each change reaches the model, and the widgets show what it left.
  auto* days = fixture.widget<QLineEdit>("autoDateRangeDays");
  days->selectAll();
  QTest::keyClicks(days, u"30"_s);
  QCOMPARE(fixture.widget<QLineEdit>("fromDate")->text(), u"2/13/2026"_s);
  fixture.widget<QCheckBox>("autoDateRange")->click();
  QCOMPARE(window.model().control(window::ExportControl::autoDateRange).checked, 0);
  fixture.widget<QLineEdit>("remoteID")->setText(u"HDR"_s);
  fixture.widget<QPushButton>("saveSettings")->click();
  QCOMPARE(fixture.stored("SavingsremoteID"), std::string("HDR"));
  QCOMPARE(fixture.stored("SavingsautoDateRange"), std::string("0"));
  window.show();
  fixture.widget<QPushButton>("Command1")->click();
  QVERIFY(!window.isVisible());
}

// Plays QuickBooks through the fake, and refuses while the window does not show that it is busy:
// the Create button disabled and the wait cursor up.
struct WatchedQuickBooks final : QuickBooksConnection {
  explicit WatchedQuickBooks(FakeQuickBooks& fake) : fake(fake) {}
  std::string exportReport(const ExportRequest& request) override {
    if (request.reportName == "qbCOA") return fake.exportReport(request);  // at start-up
    ++asked;
    const QCursor* cursor = QApplication::overrideCursor();
    const bool busy = !button->isEnabled() && cursor && cursor->shape() == Qt::WaitCursor;
    return busy ? fake.exportReport(request) : "the window does not show that it is busy";
  }
  FakeQuickBooks& fake;
  QPushButton* button = nullptr;
  int asked = 0;
};

void WindowBindingTest::createShowsTheBusyPointerAndTheDisabledButtonFirst() {
  BindingFixture fixture;
  fixture.settings.saveSetting("myAccount", "Checking");
  fixture.settings.saveSetting("CheckingbankList", "Regions Bank");
  fixture.settings.saveSetting("CheckingfileName", fixture.folder.file("march.txt"));
  fixture.quickBooks.reports["qbTransactionListGeneral"] =
      reportText({{"Trans ID", "Document Number", "Cleared", "Date", "Name", "Name Type", "Bill 1",
                   "Description", "Amount"}});
  fixture.quickBooks.reports["qbVendorNames"] =
      reportText({{"Full Name", "Print on Checks"}, {"Acme", "Acme Supply Co."}});
  WatchedQuickBooks quickBooks(fixture.quickBooks);
  window::WindowServices services = fixture.services();
  services.busy = &fixture.cursor;
  services.quickBooks = &quickBooks;
  fixture.window = std::make_unique<app::ExportWindow>(services);
  quickBooks.button = fixture.widget<QPushButton>("myCreate");
  fixture.window->startUp();
  bool disabledWhileShown = false;
  fixture.messages.whileShown = [&] { disabledWhileShown = !quickBooks.button->isEnabled(); };
  quickBooks.button->click();
  QCOMPARE(quickBooks.asked, 2);
  QCOMPARE(fixture.lastMessage().icon, window::MessageBoxIcon::Information);
  QVERIFY(disabledWhileShown);
  QVERIFY(quickBooks.button->isEnabled());
  QVERIFY(QApplication::overrideCursor() == nullptr);
}

void WindowBindingTest::theEditorWindowFollowsItsModel() {
  BindingFixture fixture;
  app::ExportWindow& window = fixture.startWindow();
  fixture.widget<QPushButton>("editFormat")->click();
  app::CustomFormatWindow* editor = window.customFormatEditor();
  QVERIFY(editor != nullptr);
  QCOMPARE(editor->windowTitle(), u"Custom Format"_s);
  QCOMPARE(editor->size(), QSize(744, 539));
  expectShowsModel(editor, editor->model().controls());

  // Leaving a box runs its validator.
  auto* field = editor->findChild<QComboBox*>(u"CustomField3"_s);
  field->setEditText(u"Date"_s);
  QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(field->lineEdit(), &focusOut);
  QCOMPARE(editor->findChild<QLineEdit*>(u"FieldLength3"_s)->text(), u"10"_s);
  editor->findChild<QRadioButton*>(u"OptionFixed"_s)->click();
  QVERIFY(!editor->findChild<QLineEdit*>(u"FieldLength3"_s)->isHidden());
  QVERIFY(!editor->findChild<QRadioButton*>(u"OptionCSV"_s)->isChecked());

  // Activation reloads from the store: the unsaved field goes.
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(editor, &activate);
  QCOMPARE(field->currentText(), QString());

  // Save closes the editor and the main window shows the new format.
  field->setEditText(u"Payee"_s);
  editor->findChild<QPushButton*>(u"saveSettings"_s)->click();
  QTRY_VERIFY(window.customFormatEditor() == nullptr);
  QCOMPARE(fixture.widget<QComboBox>("bankList")->currentText(), u"Custom Format: Default"_s);
  QCOMPARE(fixture.widget<QPushButton>("editFormat")->text(), u"&Edit"_s);
}

QTEST_MAIN(WindowBindingTest)
#include "window_binding_test.moc"

#include "window_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/design_measures.h"
#include "support/reports.h"

namespace ppexport::testing {

void RecordingMessages::showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                    const QString& text) {
  shown.push_back({icon, title, text});
  if (whileShown) whileShown(parent);
}

app::FileChoice ScriptedFileChooser::chooseFile(QWidget*, const app::FileDialogSettings& settings) {
  asked.push_back(settings);
  if (next_.empty()) return {};
  app::FileChoice choice = next_.front();
  next_.pop_front();
  return choice;
}

void ScriptedFileChooser::setNextFileName(const QString& path) {
  next_.push_back({app::FileChoice::Outcome::Chosen, path, 0, {}});
}

void ScriptedFileChooser::setNextCancel() { next_.push_back({}); }

void ScriptedFileChooser::setNextFailure(int errorNumber, const QString& description) {
  next_.push_back({app::FileChoice::Outcome::Failed, {}, errorNumber, description});
}

bool RecordingViewer::open(const QString& path) {
  opened.push_back(path);
  if (whileOpening) whileOpening();
  return canOpen;
}

std::string chartOfAccounts() {
  return reportText({{"Account", "Type", "Active"},
                     {"Checking", "Bank", "True"},
                     {"Old Checking", "Bank", "False"},
                     {"Savings", "Bank", "True"},
                     {"Owner Draw", "Equity", "True"}});
}

WindowFixture::WindowFixture() { quickBooks.reports["qbCOA"] = chartOfAccounts(); }

app::WindowServices WindowFixture::services() {
  app::WindowServices services;
  services.settings = &settings;
  services.quickBooks = &quickBooks;
  services.clock = &clock;
  services.reportFolder = folder.path().string();
  services.messages = &messages;
  services.files = &files;
  services.documents = &documents;
  services.programFolder = QString::fromStdString(folder.path().string());
  services.version = "1.0.0";
  return services;
}

app::ExportWindow& WindowFixture::start() {
  window = std::make_unique<app::ExportWindow>(services());
  window->startUp();
  return *window;
}

QString WindowFixture::defaultOutputFile() const {
  return QString::fromStdString(folder.path().string() + "/PositivePayExport.txt");
}

QString textOf(const QWidget* widget) {
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (auto* box = qobject_cast<const QLineEdit*>(widget)) return box->text();
  if (auto* list = qobject_cast<const QComboBox*>(widget)) return list->currentText();
  if (auto* frame = qobject_cast<const QGroupBox*>(widget)) return frame->title();
  return widget == nullptr ? QStringLiteral("<no control>") : QString();
}

void expectDesigned(const QWidget* control, const QString& name, const QString& text, QRect twips) {
  const QString label = name + QStringLiteral(": ");
  QCOMPARE(label + textOf(control), label + text);
  auto place = [&label](QRect r) {
    return label +
           QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
  };
  QCOMPARE(place(control->geometry()),
           place(app::designRect(twips.x(), twips.y(), twips.width(), twips.height())));
}

void WindowFixture::click(const char* button) const { control<QAbstractButton>(button)->click(); }

std::string WindowFixture::stored(const std::string& key) const {
  return const_cast<MemorySettingsStore&>(settings).readSetting(key).value_or("<absent>");
}

void expectTexts(const WindowFixture& fixture,
                 std::initializer_list<std::pair<const char*, QString>> expected) {
  for (const auto& [name, text] : expected) {
    const QString label = QLatin1String(name) + QStringLiteral(": ");
    QCOMPARE(label + fixture.text(name), label + text);
  }
}

}  // namespace ppexport::testing

#pragma once
// The main window on fakes: a QuickBooks that answers from report texts, an in-memory settings
// store, a fixed clock, and dialogs that answer at once and remember what they were shown.

#include <QMessageBox>
#include <QRect>
#include <QString>
#include <QWidget>
#include <deque>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

#include "app/export_window.h"
#include "app/file_chooser.h"
#include "app/help_document.h"
#include "app/message_presenter.h"
#include "settings/memory_store.h"
#include "support/fake_quickbooks.h"
#include "support/scoped_variable.h"
#include "support/temp_folder.h"

namespace ppexport::testing {

struct ShownMessage {
  QMessageBox::Icon icon;
  QString title;
  QString text;
};

class RecordingMessages final : public app::MessagePresenter {
 public:
  void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                   const QString& text) override;
  std::vector<ShownMessage> shown;
  // What a test wants to see while a message is up (called with the message's parent).
  std::function<void(QWidget*)> whileShown;
};

// Answers the next file dialogs with the choices given, in order; then cancels.
class ScriptedFileChooser final : public app::FileChooser {
 public:
  app::FileChoice chooseFile(QWidget* parent, const app::FileDialogSettings& settings) override;
  void setNextFileName(const QString& path);
  void setNextCancel();
  void setNextFailure(int errorNumber, const QString& description);
  std::vector<app::FileDialogSettings> asked;

 private:
  std::deque<app::FileChoice> next_;
};

class RecordingViewer final : public app::DocumentViewer {
 public:
  bool open(const QString& path) override;
  std::vector<QString> opened;
  bool canOpen = true;
  std::function<void()> whileOpening;
};

struct WindowFixture;

// The chart of accounts of the fake company: Checking and Savings are active bank accounts.
std::string chartOfAccounts();

// The title of every message the window shows.
inline const QString messageTitle = QStringLiteral("Darodid IzezozezIzo Vizozav");

// What a control shows: a label's, button's or frame's caption, a box's text, a list's choice.
QString textOf(const QWidget* widget);

// Compares a control's text and its place with its design place in twips, naming the control.
void expectDesigned(const QWidget* control, const QString& name, const QString& text, QRect twips);

// Compares each named control's text, naming the control when one differs.
void expectTexts(const WindowFixture& fixture,
                 std::initializer_list<std::pair<const char*, QString>> expected);

struct WindowFixture {
  TempFolder folder;
  // The default output file lies in the test's folder; no Windows profile folder.
  ScopedVariable home{"HOME", folder.path().string()};
  ScopedVariable profile{"USERPROFILE", std::nullopt};
  FakeQuickBooks quickBooks;
  MemorySettingsStore settings;
  FixedClock clock{DateTime{Date{2026, 3, 15}, 10, 30}};
  RecordingMessages messages;
  ScriptedFileChooser files;
  RecordingViewer documents;
  std::unique_ptr<app::ExportWindow> window;

  WindowFixture();
  app::WindowServices services();
  // Builds the window and runs its start-up.
  app::ExportWindow& start();

  template <typename Control = QWidget>
  Control* control(const char* name) const {
    return window->findChild<Control*>(QLatin1String(name));
  }
  QString text(const char* name) const { return textOf(control(name)); }
  bool hidden(const char* name) const { return control(name)->isHidden(); }
  void click(const char* button) const;
  // A stored setting as it stands, "<absent>" when there is none.
  std::string stored(const std::string& key) const;
  // The default output file of an account without a saved one.
  QString defaultOutputFile() const;
};

}  // namespace ppexport::testing

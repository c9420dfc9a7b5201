#pragma once
// The main window on fakes: a QuickBooks that answers from report texts, an in-memory settings
// store, a fixed clock, and dialogs that answer at once and remember what they were shown.

#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <deque>
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

// The chart of accounts of the fake company: Checking and Savings are active bank accounts.
std::string chartOfAccounts();

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

  template <typename Control>
  Control* control(const char* name) const {
    return window->findChild<Control*>(QLatin1String(name));
  }
  // The default output file of an account without a saved one.
  QString defaultOutputFile() const;
};

}  // namespace ppexport::testing

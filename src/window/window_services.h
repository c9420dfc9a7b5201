#pragma once
// Everything the window models need from the outside world. The view implements the dialogs
// (message box, file chooser, busy pointer) and the observer with its toolkit; the program hands
// in the core's settings store, clock, QuickBooks connection and help document viewer; tests hand
// in fakes of all of them.
//
// How a view binds: it implements MessageBoxes, FileChooser and BusyPointer (each call is modal
// and returns when the user answered), and WindowObserver, whose calls tell it to repaint in the
// middle of a long event, to move the keyboard focus, and to open or close windows. It fills a
// WindowServices and hands it to ExportModel.

#include <string>
#include <vector>

#include "create/help_document.h"
#include "quickbooks/connection.h"
#include "settings/settings_store.h"
#include "text/clock.h"

namespace ppexport {
class Programs;
}

namespace ppexport::window {

// The icon of a message box. Stop and Critical look the same on most systems.
enum class MessageBoxIcon { None, Information, Warning, Critical, Stop };

// The buttons of a message box, and the one the user pressed. A box closed without a button
// (Escape, the close box) answers No or Cancel.
enum class MessageBoxButtons { Ok, YesNo, RetryCancel };
enum class MessageBoxAnswer { Ok, Yes, No, Retry, Cancel };

struct MessageBoxRequest {
  MessageBoxIcon icon = MessageBoxIcon::Information;
  std::string title;  // UTF-8
  std::string text;   // UTF-8, lines separated by LF
  MessageBoxButtons buttons = MessageBoxButtons::Ok;
  friend bool operator==(const MessageBoxRequest&, const MessageBoxRequest&) = default;
};

// A modal message box.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Returns once the user answered.
  virtual MessageBoxAnswer show(const MessageBoxRequest& message) = 0;
};

// How the file dialog is set up. Texts UTF-8; file names as the core takes them.
struct FileDialogSettings {
  std::string title;
  // The file types offered, the first one shown: a description with its pattern in parentheses,
  // "CSV Files (*.csv)"; one without a pattern ("All Files") shows every file.
  std::vector<std::string> filters;
  std::string initialFileName;  // "" starts without a file chosen
  std::string startFolder;      // the folder shown; "" the dialog's own
  bool askBeforeReplacing = false;  // an existing file is chosen only after the user agreed
  // An Open dialog, which takes only a file that exists; otherwise a save-style one.
  bool open = false;
  friend bool operator==(const FileDialogSettings&, const FileDialogSettings&) = default;
};

struct FileChoice {
  enum class Outcome { Chosen, Cancelled, Failed };
  Outcome outcome = Outcome::Cancelled;
  std::string path;              // Chosen: as the user gave it
  int errorNumber = 0;           // Failed
  std::string errorDescription;  // Failed, UTF-8
};

// A save-style file dialog: it accepts the name of a file that does not exist yet, and asks about
// replacing one only when told to (Create replaces last run's bank file as a matter of course).
// With FileDialogSettings::open it is an Open dialog instead.
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  virtual FileChoice chooseFile(const FileDialogSettings& settings) = 0;
};

// The busy (hourglass) mouse pointer. Calls nest: the pointer is busy from the first show() to the
// matching last restore().
class BusyPointer {
 public:
  virtual ~BusyPointer() = default;
  virtual void show() = 0;
  virtual void restore() = 0;
};

// Shows the busy pointer for as long as it lives.
class BusyScope {
 public:
  explicit BusyScope(BusyPointer* pointer) : pointer_(pointer) {
    if (pointer_ != nullptr) pointer_->show();
  }
  ~BusyScope() {
    if (pointer_ != nullptr) pointer_->restore();
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  BusyPointer* pointer_;
};

struct WindowServices {
  SettingsStore* settings = nullptr;
  QuickBooksConnection* quickBooks = nullptr;
  const Clock* clock = nullptr;
  std::string reportFolder;  // where the temporary report files go (TEMP)
  MessageBoxes* messages = nullptr;
  FileChooser* files = nullptr;
  DocumentViewer* documents = nullptr;  // shows "Instructions.doc"
  BusyPointer* busy = nullptr;
  std::string programFolder;  // UTF-8: where "Instructions.doc" lies
  std::string historyFolder;  // UTF-8: the sent-file history; "" when none is kept
  std::string version;        // the program's version, "major.minor.revision"
  std::string registerFile;   // UTF-8: a register file the window starts with; "" QuickBooks
  Programs* programs = nullptr;  // the OpenSSH client programs that send files to the bank
  // What the status line tells the user for the whole run (UTF-8): that the sample company is in
  // use, or that the settings cannot be kept. None: the window has no status line.
  std::vector<std::string> notices;
};

}  // namespace ppexport::window

#pragma once
// What a window program opens before its window: the settings store, the clock and the QuickBooks
// connection chosen by the program's options and the environment, and the notices its status line
// shows. Shared by every view.
//
// How a view binds: main() fills ProgramOptions from its command line (UTF-8), makes a
// ProgramServices, shows error() and ends when it is not empty; otherwise it takes
// windowServices(), adds its own message boxes, file chooser, busy pointer and document viewer,
// and hands them to ExportModel. ProgramServices must outlive the model.

#include <memory>
#include <optional>
#include <string>

#include "quickbooks/connection_choice.h"
#include "settings/open_settings_store.h"
#include "text/clock.h"
#include "transfer/programs.h"
#include "window/window_services.h"

namespace ppexport::window {

// The options of the window program, the same as the command line's global ones (UTF-8).
struct ProgramOptions {
  std::string settingsFile;  // --settings
  std::string companyFile;   // --company
  std::string now;           // --now, else PPEXPORT_NOW
  std::string registerFile;  // --register: the window starts with the checks of this file
};

class ProgramServices {
 public:
  explicit ProgramServices(const ProgramOptions& options);

  // Why the program cannot start (UTF-8): a clock that is not an instant, a settings file where
  // the registry holds the settings. "" when it can.
  const std::string& error() const { return error_; }

  // The store, clock, QuickBooks, report folder, program folder, version, notices and the
  // OpenSSH programs; the
  // dialogs, the busy pointer and the document viewer are the view's to add.
  WindowServices windowServices() const;

 private:
  std::string error_;
  OpenedSettingsStore store_;
  std::unique_ptr<Clock> clock_;
  std::optional<QuickBooksChoice> quickBooks_;
  std::string registerFile_;
  mutable SystemPrograms programs_;
};

}  // namespace ppexport::window

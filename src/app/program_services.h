#pragma once
// What the program hands the windows: the settings store, the clock and the QuickBooks connection
// chosen by the command line options and the environment, and the real dialogs.

#include <QString>
#include <memory>
#include <optional>

#include "app/file_chooser.h"
#include "app/help_document.h"
#include "app/message_presenter.h"
#include "app/window_services.h"
#include "quickbooks/connection_choice.h"
#include "settings/open_settings_store.h"

namespace ppexport::app {

// The options of ppexport-gui, the same as the command line's global ones.
struct ProgramOptions {
  QString settingsFile;  // --settings
  QString companyFile;   // --company
  QString now;           // --now, else PPEXPORT_NOW
};

class ProgramServices {
 public:
  // Opens everything the options name. error() says why the program cannot start.
  explicit ProgramServices(const ProgramOptions& options);

  // Why the program cannot start (a clock that is not an instant, a settings file where the
  // registry holds the settings); "" when it can.
  const QString& error() const { return error_; }
  WindowServices windowServices();

 private:
  QString error_;
  OpenedSettingsStore store_;
  std::unique_ptr<Clock> clock_;
  std::optional<QuickBooksChoice> quickBooks_;
  DialogMessagePresenter messages_;
  DialogFileChooser files_;
  DesktopDocumentViewer documents_;
};

}  // namespace ppexport::app

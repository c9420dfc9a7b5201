#pragma once
// What the program hands the windows: the settings store, the clock and the QuickBooks connection
// chosen by the command line options and the environment, and the Qt dialogs.

#include "app/dialogs.h"
#include "window/program_services.h"

namespace ppexport::app {

class ProgramServices {
 public:
  explicit ProgramServices(const window::ProgramOptions& options) : program_(options) {}

  // Why the program cannot start; "" when it can.
  const std::string& error() const { return program_.error(); }
  window::WindowServices windowServices();

 private:
  window::ProgramServices program_;
  DialogMessageBoxes messages_;
  DialogFileChooser files_;
  WaitCursor busy_;
  DesktopDocumentViewer documents_;
};

}  // namespace ppexport::app

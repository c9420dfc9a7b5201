#pragma once
// The Qt implementations of what the window models ask of the outside world: message boxes, the
// file dialog, the busy pointer and the desktop's document viewer.

#include "create/help_document.h"
#include "window/window_services.h"

namespace ppexport::app {

// A QMessageBox over the active window, with the arrow pointer while it waits for an answer.
class DialogMessageBoxes final : public window::MessageBoxes {
 public:
  window::MessageBoxAnswer show(const window::MessageBoxRequest& message) override;
};

// A save-style QFileDialog.
class DialogFileChooser final : public window::FileChooser {
 public:
  window::FileChoice chooseFile(const window::FileDialogSettings& settings) override;
};

// The application's override cursor.
class WaitCursor final : public window::BusyPointer {
 public:
  void show() override;
  void restore() override;
};

// The desktop's default application for the document's type (xdg-open on Linux).
class DesktopDocumentViewer final : public DocumentViewer {
 public:
  bool start() override;
  bool show(const std::string& path) override;
  void close() override {}
};

}  // namespace ppexport::app

#pragma once
// The file dialog that chooses the output file, behind a small interface so that tests can hand
// in the next file name.

#include <QString>

class QWidget;

namespace ppexport::app {

// How the dialog is set up: its title, its file-type filter and the file it starts on.
struct FileDialogSettings {
  QString title;
  QString filter;
  QString initialFileName;  // "" starts without a file chosen
  QString startFolder;      // the folder shown when there is no initial file; "" the dialog's own
};

struct FileChoice {
  enum class Outcome { Chosen, Cancelled, Failed };
  Outcome outcome = Outcome::Cancelled;
  QString path;              // Chosen
  int errorNumber = 0;       // Failed
  QString errorDescription;  // Failed
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // A save-style dialog: it accepts the name of a file that does not exist yet.
  virtual FileChoice chooseFile(QWidget* parent, const FileDialogSettings& settings) = 0;
};

// The platform's file dialog.
class DialogFileChooser final : public FileChooser {
 public:
  FileChoice chooseFile(QWidget* parent, const FileDialogSettings& settings) override;
};

}  // namespace ppexport::app

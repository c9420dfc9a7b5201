#pragma once
// Everything the windows need from the outside world, handed in by the program and by the tests.

#include <QString>
#include <QStringList>
#include <string>

#include "create/clock.h"
#include "quickbooks/connection.h"
#include "settings/settings_store.h"

namespace ppexport::app {

class MessagePresenter;
class FileChooser;
class DocumentViewer;

struct WindowServices {
  SettingsStore* settings = nullptr;
  QuickBooksConnection* quickBooks = nullptr;
  const Clock* clock = nullptr;
  std::string reportFolder;  // where the temporary report files go
  MessagePresenter* messages = nullptr;
  FileChooser* files = nullptr;
  DocumentViewer* documents = nullptr;
  QString programFolder;  // where "Instructions.doc" lies
  std::string version;    // the program's version, "major.minor.revision"
  // What the status line tells the user for the whole run: that the sample company is in use, or
  // that the settings cannot be kept. Empty: the window has no status line.
  QStringList notices;
};

}  // namespace ppexport::app

#pragma once
// Pictures of the windows for the user guide: ppexport-gui --screenshot saves them and ends.

#include <QString>

namespace ppexport::app {

class ExportWindow;

// Saves the main window, as started, to mainFile; with editorFile, also opens the custom format
// editor through the edit button and saves it; with historyFile, also opens the History dialog
// with its newest file chosen and saves it; with bankConnectionFile, the Bank connection dialog.
// False when a picture could not be saved.
bool saveScreenshots(ExportWindow& window, const QString& mainFile, const QString& editorFile,
                     const QString& historyFile = {}, const QString& bankConnectionFile = {});

}  // namespace ppexport::app

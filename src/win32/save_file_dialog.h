#pragma once
// The Save As dialog that chooses a file to write: it accepts the name of a file that does not
// exist yet, asks about replacing one when told to, and tells cancelling apart from a failure.

#include <string>
#include <vector>

#include "window/window_services.h"

namespace ppexport::win32 {

class SaveFileDialog final : public window::FileChooser {
 public:
  window::FileChoice chooseFile(const window::FileDialogSettings& settings) override;
};

// The dialog's filter pairs for filters given as descriptions only: the pattern is the part in
// parentheses ("TXT Files (*.txt)" filters "*.txt"), "*.*" where there is none. Each text ends in
// a null character, the whole in a second one, as the dialog wants it.
std::wstring dialogFilter(const std::vector<std::wstring>& descriptions);

// What a CommDlgExtendedError code means, for the failure message.
std::string commonDialogErrorDescription(unsigned long code);

}  // namespace ppexport::win32

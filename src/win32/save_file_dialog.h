#pragma once
// The Save As dialog that chooses the output file: it accepts the name of a file that does not
// exist yet, does not ask about replacing one, and tells cancelling apart from a failure. Asked
// for an Open dialog (a register file to read), it is the Open dialog instead.

#include <string>

#include "window/window_services.h"

namespace ppexport::win32 {

class SaveFileDialog final : public window::FileChooser {
 public:
  window::FileChoice chooseFile(const window::FileDialogSettings& settings) override;
};

// The dialog's filter pairs for a filter given as a description only: the pattern is the part in
// parentheses ("TXT Files (*.txt)" filters "*.txt"), "*.*" where there is none. Each text ends in
// a null character, the whole in a second one, as the dialog wants it.
std::wstring dialogFilter(const std::wstring& description);

// What a CommDlgExtendedError code means, for the failure message.
std::string commonDialogErrorDescription(unsigned long code);

}  // namespace ppexport::win32

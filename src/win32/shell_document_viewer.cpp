#include "win32/shell_document_viewer.h"

#include "text/wide_text.h"  // windows.h, which shellapi.h needs first
#include <shellapi.h>

namespace ppexport::win32 {

bool ShellDocumentViewer::show(const std::string& path) {
  const HINSTANCE result =
      ShellExecuteW(nullptr, L"open", widen(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  // Values above 32 mean the program was started.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace ppexport::win32

#pragma once
// The help document shown by the program Windows opens its kind of file with (Word, or WordPad
// where Word is absent), as a double click in Explorer would.

#include <string>

#include "create/help_document.h"

namespace ppexport::win32 {

class ShellDocumentViewer final : public DocumentViewer {
 public:
  bool start() override { return true; }
  // ShellExecute's "open"; false when no program opened the file.
  bool show(const std::string& path) override;
  void close() override {}
};

}  // namespace ppexport::win32

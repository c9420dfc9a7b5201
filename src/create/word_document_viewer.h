#pragma once
// Windows only: Microsoft Word as the viewer of the help document, through its automation object
// "Word.Application".
#ifdef _WIN32

#include <string>

#include "create/help_document.h"
#include "quickbooks/automation.h"

namespace ppexport {

class WordDocumentViewer final : public DocumentViewer {
 public:
  // Tests hand in the identifier of a stand-in for Word.
  explicit WordDocumentViewer(std::wstring programmaticId = L"Word.Application");

  bool start() override;
  // Documents.Open(path), ActiveWindow.Visible = True, Activate.
  void show(const std::string& path) override;
  // Quit: Word started for automation stays running, invisible, until it is told to quit.
  void close() override;

 private:
  std::wstring programmaticId_;
  ComApartment apartment_;
  DispatchObject word_;
};

}  // namespace ppexport

#endif

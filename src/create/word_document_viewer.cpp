#ifdef _WIN32
#include "create/word_document_viewer.h"

#include <utility>
#include <vector>

namespace ppexport {

WordDocumentViewer::WordDocumentViewer(std::wstring programmaticId)
    : programmaticId_(std::move(programmaticId)) {}

bool WordDocumentViewer::start() {
  AutomationError error;
  return createObject(programmaticId_, word_, error);
}

void WordDocumentViewer::show(const std::string& path) {
  // Each step goes on when the one before failed: Word may show the document all the same.
  AutomationError error;
  std::vector<Variant> none;
  DispatchObject documents;
  if (word_.callForObject(L"Documents", none, documents, error)) {
    std::vector<Variant> arguments;
    arguments.push_back(Variant::text(path));
    Variant document;
    documents.call(L"Open", arguments, document, error);
  }
  DispatchObject window;
  if (word_.callForObject(L"ActiveWindow", none, window, error)) {
    window.put(L"Visible", Variant::boolean(true), error);
  }
  Variant ignored;
  word_.call(L"Activate", none, ignored, error);
}

void WordDocumentViewer::close() {
  AutomationError error;
  std::vector<Variant> none;
  Variant ignored;
  word_.call(L"Quit", none, ignored, error);
  word_.release();
}

}  // namespace ppexport
#endif

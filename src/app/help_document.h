#pragma once
// The user instructions, "Instructions.doc" beside the program, opened in the word processor that
// the desktop uses for such documents.

#include <QString>

class QWidget;

namespace ppexport::app {

class MessagePresenter;

inline constexpr const char* instructionsDocument = "Instructions.doc";

// Starts the application that shows a document; tests hand in one that only records the path.
class DocumentViewer {
 public:
  virtual ~DocumentViewer() = default;
  // False when no application could be started for the document.
  virtual bool open(const QString& path) = 0;
};

// The desktop's default application for the document's type.
class DesktopDocumentViewer final : public DocumentViewer {
 public:
  bool open(const QString& path) override;
};

// Opens the document name in programFolder. A missing document, or one that no application can
// show, is explained in a message box; nothing else is reported.
void openDocumentation(QWidget* parent, const QString& programFolder, const QString& name,
                       DocumentViewer& viewer, MessagePresenter& messages);

}  // namespace ppexport::app

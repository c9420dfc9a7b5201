#pragma once
// The Help button: the user instructions "Instructions.doc" beside the program, shown by the
// program the system opens that kind of file with.

#include <string>
#include <string_view>

namespace ppexport {

inline constexpr std::string_view helpDocumentName = "Instructions.doc";

// The program that shows the document.
class DocumentViewer {
 public:
  virtual ~DocumentViewer() = default;
  // Starts the viewer; false when it cannot be started.
  virtual bool start() = 0;
  // Opens the document (a UTF-8 file name) and brings it to the front; false when no program
  // could open it.
  virtual bool show(const std::string& path) = 0;
  // Ends a viewer that was started but shows nothing, so that no invisible copy keeps running.
  virtual void close() = 0;
};

enum class HelpOutcome {
  opened,
  viewerUnavailable,  // "No program could open the documentation file. ..."
  documentMissing,    // "Did not find the documentation file. ..."
};

// The folder that holds the document: the program's own folder when the document lies there (as
// the Windows installer puts it), else the program's data folder ../share/ppexport when the
// document lies there (as a Linux package puts it), else the program's folder, whose missing
// document the Help button then reports. programFolder is UTF-8.
std::string helpDocumentFolder(const std::string& programFolder, std::string_view documentName);

// Starts the viewer and shows programFolder + separator + documentName when that file exists.
HelpOutcome openDocumentation(DocumentViewer& viewer, std::string_view programFolder,
                              std::string_view documentName);

// The message the window shows for the outcome (Windows-1252, CR LF), "" when the document was
// opened. programFolder is UTF-8.
std::string helpMessage(HelpOutcome outcome, std::string_view programFolder,
                        std::string_view documentName);

}  // namespace ppexport

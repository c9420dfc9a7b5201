#include "create/help_document.h"

#include <filesystem>
#include <system_error>

#include "settings/environment.h"
#include "text/file_names.h"
#include "text/windows1252.h"

namespace ppexport {

std::string helpDocumentFolder(const std::string& programFolder,
                               std::string_view documentName) try {
  const std::filesystem::path folder = filePath(programFolder);
  const std::filesystem::path dataFolder = folder / ".." / "share" / "ppexport";
  std::error_code error;
  if (!std::filesystem::is_regular_file(folder / documentName, error) &&
      std::filesystem::is_regular_file(dataFolder / documentName, error)) {
    return fileName(dataFolder.lexically_normal());
  }
  return programFolder;
} catch (...) {
  return programFolder;  // a folder name the platform cannot convert
}

HelpOutcome openDocumentation(DocumentViewer& viewer, std::string_view programFolder,
                              std::string_view documentName) {
  if (!viewer.start()) return HelpOutcome::viewerUnavailable;
  const std::string path = pathInFolder(std::string(programFolder), std::string(documentName));
  std::error_code error;
  if (!std::filesystem::is_regular_file(filePath(path), error)) {
    viewer.close();
    return HelpOutcome::documentMissing;
  }
  return viewer.show(path) ? HelpOutcome::opened : HelpOutcome::viewerUnavailable;
}

std::string helpMessage(HelpOutcome outcome, std::string_view programFolder,
                        std::string_view documentName) {
  switch (outcome) {
    case HelpOutcome::opened:
      return {};
    case HelpOutcome::viewerUnavailable:
      return "No program could open the documentation file. Please open it with WordPad or "
             "another word processor:\r\n\r\n" +
             utf8ToWindows1252(pathInFolder(std::string(programFolder), std::string(documentName)));
    case HelpOutcome::documentMissing:
      return "Did not find the documentation file.\r\n\r\nPlease open the document file ''" +
             std::string(documentName) + "'' manually.";
  }
  return {};
}

}  // namespace ppexport

#pragma once
// The texts of a failed report export, shown to the user with the error number and description
// of the step that failed.

#include <string>
#include <string_view>

namespace ppexport {

enum class ExportFailure {
  createInterface,   // the finder object could not be created: QuickBooks is not installed
  findRunningCopy,   // no running QuickBooks answered
  useConnection,     // QuickBooks gave no export module
  exportReport,      // the export call itself failed
};

// The message for the failed step, ending in "Error: " number " : " description and CR LF.
std::string exportErrorText(ExportFailure failure, long number, std::string_view description);

}  // namespace ppexport

#include "quickbooks/export_errors.h"

namespace ppexport {

std::string exportErrorText(ExportFailure failure, long number, std::string_view description) {
  std::string text;
  switch (failure) {
    case ExportFailure::createInterface:
      text = "An error occurred while attempting to create an interface to QuickBooks.\r\n";
      break;
    case ExportFailure::findRunningCopy:
      text =
          "An error occurred while attempting to find a running copy of QuickBooks.\r\n"
          "If Quickbooks is not running, please start QuickBooks.\r\n";
      break;
    case ExportFailure::useConnection:
      text = "An error occurred while attempting to use the connection to QuickBooks.\r\n";
      break;
    case ExportFailure::exportReport:
      text = "An error occurred while QuickBooks was exporting the report.\r\n";
      break;
  }
  text += "\r\nError: " + std::to_string(number) + " : ";
  text += description;
  text += "\r\n";
  return text;
}

}  // namespace ppexport

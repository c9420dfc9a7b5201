#include "quickbooks/export_errors.h"

namespace ppexport {

namespace {

constexpr std::string_view lineEnd = "\r\n";

std::string errorLine(std::int64_t number, std::string_view description) {
  return "Error: " + std::to_string(number) + " : " + std::string(description) +
         std::string(lineEnd);
}

}  // namespace

std::string createInterfaceErrorText(std::int64_t number, std::string_view description) {
  return "An error occurred while attempting to create an interface to QuickBooks." +
         std::string(lineEnd) + std::string(lineEnd) + errorLine(number, description);
}

std::string findRunningCopyErrorText(std::int64_t number, std::string_view description) {
  return "An error occurred while attempting to find a running copy of QuickBooks." +
         std::string(lineEnd) + "If QuickBooks is not running, please start QuickBooks." +
         std::string(lineEnd) + std::string(lineEnd) + errorLine(number, description);
}

std::string companyFileErrorText(std::int64_t number, std::string_view description) {
  return "An error occurred while reading the company file that plays QuickBooks." +
         std::string(lineEnd) + std::string(lineEnd) + errorLine(number, description);
}

std::string useConnectionErrorText(std::int64_t number, std::string_view description) {
  return "An error occurred while attempting to use the connection to QuickBooks." +
         std::string(lineEnd) + std::string(lineEnd) + errorLine(number, description);
}

std::string exportingErrorText(std::int64_t number, std::string_view description) {
  return "An error occurred while QuickBooks was exporting the report." + std::string(lineEnd) +
         std::string(lineEnd) + errorLine(number, description);
}

std::string accountListErrorMessage(std::string_view exportResult) {
  return "An error occurred when trying to get the account list from QuickBooks:" +
         std::string(lineEnd) + std::string(lineEnd) + std::string(exportResult);
}

}  // namespace ppexport

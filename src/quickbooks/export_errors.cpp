#include "quickbooks/export_errors.h"

#include <charconv>

#include "quickbooks/company_file.h"

namespace ppexport {

namespace {

constexpr std::string_view lineEnd = "\r\n";

constexpr std::string_view createInterfaceFailed =
    "An error occurred while attempting to create an interface to QuickBooks.";
constexpr std::string_view findRunningCopyFailed =
    "An error occurred while attempting to find a running copy of QuickBooks.";

// The error line of an export result, "Error: N : D" CR LF after the first empty line, and its
// number.
struct ErrorLine {
  std::string_view text;
  std::int64_t number = 0;
};

ErrorLine errorLineOf(std::string_view exportResult) {
  const std::size_t at = exportResult.find("\r\n\r\nError: ");
  if (at == std::string_view::npos) return {};
  ErrorLine line{exportResult.substr(at + 4)};
  const std::string_view number = line.text.substr(7);
  std::from_chars(number.data(), number.data() + number.size(), line.number);
  return line;
}

// The stand-in's own error numbers: a company file, not QuickBooks, failed to load.
bool standInFailure(std::int64_t number) {
  return number >= standInError::companyFileMissing && number <= standInError::unknownReport;
}

std::string errorLine(std::int64_t number, std::string_view description) {
  return "Error: " + std::to_string(number) + " : " + std::string(description) +
         std::string(lineEnd);
}

}  // namespace

std::string createInterfaceErrorText(std::int64_t number, std::string_view description) {
  return std::string(createInterfaceFailed) + std::string(lineEnd) + std::string(lineEnd) +
         errorLine(number, description);
}

std::string findRunningCopyErrorText(std::int64_t number, std::string_view description) {
  return std::string(findRunningCopyFailed) + std::string(lineEnd) +
         "If QuickBooks is not running, please start QuickBooks." + std::string(lineEnd) +
         std::string(lineEnd) + errorLine(number, description);
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

std::string accountListErrorMessage(std::string_view exportResult, std::string_view retry) {
  const ErrorLine error = errorLineOf(exportResult);
  const std::string paragraph = std::string(lineEnd) + std::string(lineEnd);
  if (exportResult.starts_with(createInterfaceFailed)) {
    return "QuickBooks is not installed on this computer: install QuickBooks, then " +
           std::string(retry) + "." + paragraph + std::string(error.text);
  }
  if (exportResult.starts_with(findRunningCopyFailed) && !standInFailure(error.number)) {
    return "QuickBooks is not running: start QuickBooks, open the company file, then " +
           std::string(retry) + "." + paragraph + std::string(error.text);
  }
  return "An error occurred when trying to get the account list from QuickBooks:" +
         std::string(lineEnd) + std::string(lineEnd) + std::string(exportResult);
}

}  // namespace ppexport

#ifdef _WIN32
#include "quickbooks/com_quickbooks_connection.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "quickbooks/automation.h"
#include "quickbooks/export_errors.h"
#include "text/windows1252.h"

namespace ppexport {

namespace {
constexpr std::string_view textExportModule = "ExcelDataSourceCommon.TextFile";

using ErrorText = std::string (*)(std::int64_t number, std::string_view description);

std::string failed(ErrorText errorText, const AutomationError& error) {
  return errorText(error.number, error.description);
}
}  // namespace

ComQuickBooksConnection::ComQuickBooksConnection(std::wstring finderProgrammaticId)
    : finderProgrammaticId_(std::move(finderProgrammaticId)) {}

std::string ComQuickBooksConnection::exportReport(const ExportRequest& request) {
  ComApartment apartment;
  AutomationError error;
  // Declared in this order so that they are released module first, then instance, then finder.
  DispatchObject finder;
  DispatchObject instance;
  DispatchObject module;
  if (!createObject(finderProgrammaticId_, finder, error)) {
    return failed(createInterfaceErrorText, error);
  }
  std::vector<Variant> none;
  if (!finder.callForObject(L"GetAnyInstance", none, instance, error)) {
    return failed(findRunningCopyErrorText, error);
  }
  std::vector<Variant> moduleName;
  moduleName.push_back(Variant::text(textExportModule));
  if (!instance.callForObject(L"GetModule", moduleName, module, error)) {
    return failed(useConnectionErrorText, error);
  }

  std::vector<Variant> arguments;
  arguments.reserve(20);
  arguments.push_back(Variant::date(request.from));
  arguments.push_back(Variant::date(request.to));
  arguments.push_back(Variant::text(request.outputPath));
  arguments.push_back(Variant::text(windows1252ToUtf8(request.delimiter)));
  arguments.push_back(Variant::text(windows1252ToUtf8(request.reportName)));
  for (const std::string& option : request.options) {
    arguments.push_back(Variant::text(windows1252ToUtf8(option)));
  }
  Variant ignored;
  if (!module.call(L"GetTextFile", arguments, ignored, error)) {
    return failed(exportingErrorText, error);
  }
  return std::string(exportSucceeded);
}

}  // namespace ppexport
#endif

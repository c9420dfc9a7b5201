#include "support/fake_quickbooks.h"

#include "support/temp_folder.h"

namespace ppexport::testing {

std::string FakeQuickBooks::exportReport(const ExportRequest& request) {
  requests.push_back(request);
  if (!failure.empty()) return failure;
  auto report = reports.find(request.reportName);
  if (report != reports.end()) writeBytes(request.outputPath, report->second);
  return "Success";
}

}  // namespace ppexport::testing

#pragma once
// A QuickBooks that answers from report texts held in memory, and remembers what it was asked.

#include <map>
#include <string>
#include <vector>

#include "quickbooks/connection.h"

namespace ppexport::testing {

class FakeQuickBooks final : public QuickBooksConnection {
 public:
  // The report text written for a report name; a name without one writes no file.
  std::map<std::string, std::string> reports;
  // When not "", every export returns this instead of "Success" and writes nothing.
  std::string failure;
  std::vector<ExportRequest> requests;

  std::string exportReport(const ExportRequest& request) override;
};

}  // namespace ppexport::testing

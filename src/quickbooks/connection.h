#pragma once
// The QuickBooks connection: the one call that has QuickBooks export a report into a text file.

#include <array>
#include <string>
#include <vector>

#include "text/regional.h"

namespace ppexport {

// One report request: what the export call hands to QuickBooks, positionally.
struct ExportRequest {
  Date from;
  Date to;
  std::string outputPath;
  std::string delimiter;
  std::string reportName;
  std::array<std::string, 15> options;
};

class QuickBooksConnection {
 public:
  virtual ~QuickBooksConnection() = default;
  // Has QuickBooks write the report file; "Success", or the error text for the user.
  virtual std::string exportReport(const ExportRequest& request) = 0;
  // What the last export left out and the result must say; QuickBooks itself leaves out nothing.
  virtual std::vector<std::string> exportWarnings() const { return {}; }
  // Where the checks came from, as the history records it.
  virtual std::string checkSource() const { return "QuickBooks"; }
};

}  // namespace ppexport

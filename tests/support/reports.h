#pragma once
// Builders for report tables and writer inputs, so a test states only the cells it is about.

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "formats/writer.h"
#include "quickbooks/check_fields.h"
#include "quickbooks/report_table.h"
#include "settings/memory_store.h"

namespace ppexport::testing {

// Report text: the lines' fields joined by the field separator, each line ending in CR LF.
std::string reportText(const std::vector<std::vector<std::string>>& lines);

// A report table read from those lines.
ReportTable reportTable(const std::vector<std::vector<std::string>>& lines);

// One check-register line; cells not given are "".
struct Check {
  std::string number;
  std::string cleared = "Uncleared";
  std::string date = "03/05/2024";
  std::string amount = "-100.00";
  std::string name;
  std::string nameType = "Vendor";
  std::string bill1;
  std::string description;
  std::map<std::string, std::string> more;  // further columns by heading
};

// A check table with the headings every bank writer needs, plus those of `more` cells.
ReportTable checkTable(const std::vector<Check>& checks);

// Writer inputs on those tables, with a fixed clock and an in-memory settings store.
struct WriterFixture {
  ReportTable checks;
  ReportTable vendorTable;
  VendorIndex vendors;
  MemorySettingsStore settings;
  WriterInputs inputs;

  explicit WriterFixture(const std::vector<Check>& rows,
                         const std::vector<std::vector<std::string>>& vendorLines = {});
  WriterFixture(const WriterFixture&) = delete;
};

// The lines of a file's bytes, split at CR LF; a file that does not end in CR LF gets a last line
// "<missing CR LF>" so that the test sees it.
std::vector<std::string> fileLines(const std::string& bytes);

}  // namespace ppexport::testing

// Any bytes as an exported report: the reader must end, and every cell it gives must lie inside
// the table.
#include <cstddef>
#include <cstdint>
#include <string>

#include "quickbooks/report_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ppexport::ReportTable table;
  ppexport::readReportText(std::string(reinterpret_cast<const char*>(data), size),
                           ppexport::fieldSeparator, table);
  std::size_t total = 0;
  for (int row = 1; row <= table.rows(); ++row) {
    for (int column = 1; column <= table.columns(); ++column) total += table.cell(row, column).size();
  }
  (void)ppexport::findColumn("Amount", table);
  // Cells hold the report's own bytes, nothing more.
  if (total > size * 4 + 16) __builtin_trap();
  return 0;
}

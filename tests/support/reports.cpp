#include "support/reports.h"

#include <algorithm>
#include <set>

namespace ppexport::testing {

std::string reportText(const std::vector<std::vector<std::string>>& lines) {
  std::string text;
  for (const auto& fields : lines) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (i > 0) text += fieldSeparator;
      text += fields[i];
    }
    text += "\r\n";
  }
  return text;
}

ReportTable reportTable(const std::vector<std::vector<std::string>>& lines) {
  ReportTable table;
  readReportText(reportText(lines), fieldSeparator, table);
  return table;
}

ReportTable checkTable(const std::vector<Check>& checks) {
  std::vector<std::string> headings{"Trans ID", "Document Number", "Cleared", "Date", "Name",
                                    "Name Type", "Bill 1", "Description", "Amount"};
  std::set<std::string> extra;
  for (const Check& check : checks) {
    for (const auto& [heading, value] : check.more) extra.insert(heading);
  }
  for (const std::string& heading : extra) {
    if (std::ranges::find(headings, heading) == headings.end()) headings.push_back(heading);
  }
  std::vector<std::vector<std::string>> lines{headings};
  int id = 100;
  for (const Check& check : checks) {
    std::map<std::string, std::string> cells{{"Trans ID", std::to_string(++id)},
                                             {"Document Number", check.number},
                                             {"Cleared", check.cleared},
                                             {"Date", check.date},
                                             {"Name", check.name},
                                             {"Name Type", check.nameType},
                                             {"Bill 1", check.bill1},
                                             {"Description", check.description},
                                             {"Amount", check.amount}};
    for (const auto& [heading, value] : check.more) cells[heading] = value;
    std::vector<std::string> line;
    for (const std::string& heading : headings) line.push_back(cells[heading]);
    lines.push_back(line);
  }
  return reportTable(lines);
}

WriterFixture::WriterFixture(const std::vector<Check>& rows,
                             const std::vector<std::vector<std::string>>& vendorLines)
    : checks(checkTable(rows)),
      vendorTable(vendorLines.empty() ? ReportTable() : reportTable(vendorLines)),
      vendors(vendorTable) {
  inputs.checks = &checks;
  inputs.vendors = &vendors;
  inputs.settings = &settings;
  inputs.now = DateTime{Date{2026, 12, 5}, 19, 5};
}

std::vector<std::string> fileLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      lines.push_back("<missing CR LF>");
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace ppexport::testing

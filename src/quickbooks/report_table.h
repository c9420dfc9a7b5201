#pragma once
// A report table: the text cells of one exported QuickBooks report. Row 1 holds the column
// headings, rows 2 and on the report lines; rows and columns count from 1. Every row has as many
// cells as the heading line has fields, each trimmed of spaces.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ppexport {

// The field delimiter of every exported report. Fields are never quoted.
inline constexpr std::string_view fieldSeparator = "\x01";

class ReportTable {
 public:
  bool empty() const { return rows_ == 0; }
  int rows() const { return rows_; }
  int columns() const { return columns_; }
  // The cell in row, column (1-based); "" outside the table. Valid while the table lives.
  std::string_view cell(int row, int column) const;

  void clear();

 private:
  friend class ReportTableBuilder;
  struct Cell {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
  };
  std::string text_;  // the file's bytes, and behind them the joined text of broken records
  std::vector<Cell> cells_;
  int rows_ = 0;
  int columns_ = 0;
};

// Fills table from the report file at path. A missing, empty or unreadable file leaves the table
// as it was. The file is read once, whatever its size.
void readReportFile(const std::string& path, std::string_view delimiter, ReportTable& table);

// The same, on report text already in memory.
void readReportText(std::string text, std::string_view delimiter, ReportTable& table);

struct FieldSplit {
  std::string first;  // the first field, trimmed
  std::string rest;   // everything after the first delimiter, trimmed
};
FieldSplit splitFirstField(std::string_view text, std::string_view delimiter);

// The 1-based column whose heading matches heading (trimmed, case-insensitive), leftmost first;
// 0 when there is none or the table is empty.
int findColumn(std::string_view heading, const ReportTable& table);

}  // namespace ppexport

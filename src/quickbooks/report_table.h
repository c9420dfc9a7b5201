#pragma once
// A report table: the text cells of one exported QuickBooks report. Row 1 holds the column
// headings, rows 2 and on the report lines; rows and columns count from 1. Every row has as many
// cells as the heading line has fields, each trimmed of spaces.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "quickbooks/row_memory.h"

namespace ppexport {

// The field delimiter of every exported report. Fields are never quoted.
inline constexpr std::string_view fieldSeparator = "\x01";

class ReportBytes;

class ReportTable {
 public:
  bool empty() const { return rows_ == 0; }
  int rows() const { return rows_; }
  int columns() const { return columns_; }
  // The cell in row, column (1-based); "" outside the table. Valid while the table lives.
  // A row is split into its cells when one of them is first asked for, and the table keeps the
  // cells of that one row until another row is asked for: a table is read from one thread.
  std::string_view cell(int row, int column) const;

  void clear();
  // False once the report file was found changed since the table was read from it: cells read
  // from the table may then mix two versions of the file.
  bool unchanged() const;

 private:
  friend class ReportTableBuilder;

  // A field of the row last split: where it starts and ends, counted from the row's start.
  struct CellSpan {
    std::uint32_t from = 0;
    std::uint32_t to = 0;
  };
  void splitRow(std::size_t row) const;
  // Calls keep(column, from, to) for the fields of row (0-based) with where they start and end
  // in the text; fields it does not call it for are empty.
  template <class Keep>
  void splitFields(std::size_t row, Keep&& keep) const;

  // The report's bytes; a record broken over lines is joined in place and ends with a CR.
  std::shared_ptr<ReportBytes> bytes_;
  const char* text_ = nullptr;
  std::size_t size_ = 0;
  std::string delimiter_;
  // Where each row's record starts in the text: the table holds no more than this beside the
  // report itself.
  RowVector<std::uint32_t> rowStarts_;
  int rows_ = 0;
  int columns_ = 0;
  mutable std::vector<CellSpan> splitCells_;
  mutable std::size_t splitRow_ = static_cast<std::size_t>(-1);
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

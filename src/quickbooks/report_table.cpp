#include "quickbooks/report_table.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <utility>

#include "text/file_names.h"
#include "text/windows1252.h"

namespace ppexport {

std::string_view ReportTable::cell(int row, int column) const {
  if (row < 1 || row > rows_ || column < 1 || column > columns_) return {};
  const Cell& at = cells_[static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns_) +
                          static_cast<std::size_t>(column - 1)];
  return std::string_view(text_).substr(at.offset, at.length);
}

void ReportTable::clear() {
  text_.clear();
  cells_.clear();
  rows_ = 0;
  columns_ = 0;
}

namespace {

struct ViewSplit {
  std::string_view first;
  std::string_view rest;
};

ViewSplit splitFirst(std::string_view text, std::string_view delimiter) {
  std::size_t at = delimiter.empty() ? std::string_view::npos : text.find(delimiter);
  if (at == std::string_view::npos) return {trimSpaces(text), {}};
  return {trimSpaces(text.substr(0, at)), trimSpaces(text.substr(at + delimiter.size()))};
}

// The number of fields of a line as the report counts them: trailing empty or blank fields are
// not counted, empty fields between filled ones are.
int countFields(std::string_view text, std::string_view delimiter) {
  int count = 0;
  while (!text.empty()) {
    text = splitFirst(text, delimiter).rest;
    ++count;
  }
  return count;
}

// The number of fields a report line holds: one more than its delimiters, and none for an empty
// line. Empty fields at the end of a line count too, so that a record whose last cells are empty
// (a vendor without a print name) is not taken for a broken record and joined with the next line.
int countLineFields(std::string_view line, std::string_view delimiter) {
  if (line.empty()) return 0;
  if (delimiter.empty()) return 1;
  int count = 1;
  for (std::size_t at = line.find(delimiter); at != std::string_view::npos;
       at = line.find(delimiter, at + delimiter.size())) {
    ++count;
  }
  return count;
}

std::size_t occurrences(std::string_view text, char character) {
  std::size_t count = 0;
  const char* at = text.data();
  const char* end = text.data() + text.size();
  while ((at = static_cast<const char*>(std::memchr(at, character, static_cast<std::size_t>(end - at)))) != nullptr) {
    ++count;
    ++at;
  }
  return count;
}

// Walks the lines of a report: a line ends at CR or CR LF; a lone LF belongs to the line.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}
  bool atEnd() const { return position_ >= text_.size(); }
  std::string_view next() {
    std::size_t end = text_.find('\r', position_);
    if (end == std::string_view::npos) end = text_.size();
    std::string_view line = text_.substr(position_, end - position_);
    position_ = end + 1;
    if (position_ < text_.size() && text_[position_] == '\n') ++position_;
    return line;
  }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

}  // namespace

class ReportTableBuilder {
 public:
  static void build(std::string text, std::string_view delimiter, ReportTable& table) {
    // Cells are held as 32-bit offsets into the text; a larger file is not a report.
    if (text.size() >= std::numeric_limits<std::uint32_t>::max() / 2) return;
    LineReader headingReader(text);
    const int columns = headingReader.atEnd() ? 0 : countFields(headingReader.next(), delimiter);
    // An empty file, or a heading line without fields, gives the empty table that every lookup
    // handles (each heading is then missing).
    if (columns == 0) {
      table.clear();
      return;
    }

    ReportTable result;
    result.text_ = std::move(text);
    result.columns_ = columns;
    const std::string_view file(result.text_);
    // Size the cells once. A record needs the heading's field count, so the cells are bounded both
    // by lines times columns and by the number of delimiters in the file; the second count is
    // needed only for odd files whose lines are far fewer bytes than the heading has columns.
    const std::size_t lineCount = occurrences(file, '\r') + 1;
    const std::size_t byColumns = lineCount * static_cast<std::size_t>(columns);
    if (byColumns <= file.size()) {
      result.cells_.reserve(byColumns);
    } else if (delimiter.size() == 1) {
      const std::size_t byDelimiters =
          2 * occurrences(file, delimiter[0]) + lineCount + static_cast<std::size_t>(columns);
      result.cells_.reserve(std::min(byColumns, byDelimiters));
    }
    std::string overflow;  // the joined text of records broken over several lines
    std::string joined;

    // Each record is one line, or several lines joined until they hold `columns` fields: a line
    // break inside a text field splits that field, so the last field of one line and the first of
    // the next are one field.
    LineReader lines(file);
    int records = 0;
    while (!lines.atEnd()) {
      ++records;
      int fields = 0;
      int linesRead = 0;
      std::string_view record;
      while (!lines.atEnd() && fields < columns) {
        std::string_view line = lines.next();
        if (linesRead == 0) {
          record = line;
        } else {
          if (linesRead == 1) joined.assign(record);
          joined.append(line);
        }
        ++linesRead;
        fields += countLineFields(line, delimiter);
        if (fields < columns) fields -= 1;
      }
      std::size_t base = static_cast<std::size_t>(record.data() - file.data());
      if (linesRead > 1) {
        base = file.size() + overflow.size();
        overflow.append(joined);
        record = joined;
      }
      std::string_view rest = record;
      for (int column = 1; column <= columns; ++column) {
        ViewSplit split = splitFirst(rest, delimiter);
        ReportTable::Cell cell;
        if (!split.first.empty()) {
          cell.offset = static_cast<std::uint32_t>(
              base + static_cast<std::size_t>(split.first.data() - record.data()));
          cell.length = static_cast<std::uint32_t>(split.first.size());
        }
        result.cells_.push_back(cell);
        rest = split.rest;
      }
    }
    if (file.size() + overflow.size() >= std::numeric_limits<std::uint32_t>::max()) return;
    result.text_.append(overflow);
    result.rows_ = records;
    table = std::move(result);
  }
};

void readReportText(std::string text, std::string_view delimiter, ReportTable& table) {
  ReportTableBuilder::build(std::move(text), delimiter, table);
}

void readReportFile(const std::string& path, std::string_view delimiter, ReportTable& table) {
  if (path.empty()) return;
  std::FILE* file = openFile(path, "rb");
  if (file == nullptr) return;
  std::string text;
  if (std::fseek(file, 0, SEEK_END) == 0) {
    long size = std::ftell(file);
    if (size > 0) text.reserve(static_cast<std::size_t>(size));
    std::fseek(file, 0, SEEK_SET);
  }
  char buffer[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
  std::fclose(file);
  readReportText(std::move(text), delimiter, table);
}

FieldSplit splitFirstField(std::string_view text, std::string_view delimiter) {
  ViewSplit split = splitFirst(text, delimiter);
  return FieldSplit{std::string(split.first), std::string(split.rest)};
}

int findColumn(std::string_view heading, const ReportTable& table) {
  const std::string target = upperCase(trimSpaces(heading));
  for (int column = 1; column <= table.columns(); ++column) {
    if (upperCase(trimSpaces(table.cell(1, column))) == target) return column;
  }
  return 0;
}

}  // namespace ppexport

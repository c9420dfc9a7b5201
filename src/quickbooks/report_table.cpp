#include "quickbooks/report_table.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <utility>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#include "quickbooks/report_bytes.h"
#include "text/windows1252.h"

namespace ppexport {

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

// The end of the line that starts at `start` (its CR, or the end of the text) and where the next
// one starts: a line ends at CR or CR LF; a lone LF belongs to the line.
struct LineBounds {
  std::size_t end;
  std::size_t next;
};

LineBounds lineAt(std::string_view text, std::size_t start) {
  const void* found = std::memchr(text.data() + start, '\r', text.size() - start);
  if (found == nullptr) return {text.size(), text.size()};
  const auto end = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
  std::size_t next = end + 1;
  if (next < text.size() && text[next] == '\n') ++next;
  return {end, next};
}

// A delimiter that the block scan below looks for: one character that trimming leaves alone and
// that never ends a line. Then splitting at every delimiter and trimming each field gives the
// fields that splitting off the first field again and again gives.
bool isScanned(std::string_view delimiter) {
  return delimiter.size() == 1 && delimiter[0] != ' ' && delimiter[0] != '\r';
}

// Where the line ends (CR) and the delimiters stand in 64 bytes of the text, one bit per byte
// with the first byte lowest.
struct BlockMarks {
  std::uint64_t returns = 0;
  std::uint64_t delimiters = 0;
};

BlockMarks marksOfBlock(const char* bytes, char delimiter) {
  BlockMarks marks;
#if defined(__SSE2__) || defined(_M_X64)
  const __m128i returnPattern = _mm_set1_epi8('\r');
  const __m128i delimiterPattern = _mm_set1_epi8(delimiter);
  for (int part = 0; part < 4; ++part) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * part));
    const auto returns =
        static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, returnPattern)));
    const auto delimiters =
        static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, delimiterPattern)));
    marks.returns |= std::uint64_t{returns} << (16 * part);
    marks.delimiters |= std::uint64_t{delimiters} << (16 * part);
  }
#else
  for (int i = 0; i < 64; ++i) {
    marks.returns |= std::uint64_t{bytes[i] == '\r'} << i;
    marks.delimiters |= std::uint64_t{bytes[i] == delimiter} << i;
  }
#endif
  return marks;
}

// The marks of the 64 bytes from `at`, or of those before limit when fewer are left.
BlockMarks marksAt(const char* text, std::size_t at, std::size_t limit, char delimiter) {
  const std::size_t available = limit - at;
  if (available >= 64) return marksOfBlock(text + at, delimiter);
  char tail[64] = {};
  std::memcpy(tail, text + at, available);
  BlockMarks marks = marksOfBlock(tail, delimiter);
  const std::uint64_t inside = (std::uint64_t{1} << available) - 1;
  marks.returns &= inside;
  marks.delimiters &= inside;
  return marks;
}

// How many bits are set: the processor's own count where the build may use it, else the same in
// a few arithmetic steps, which beat a call into the compiler's library.
int countMarks(std::uint64_t bits) {
#if defined(__POPCNT__)
  return std::popcount(bits);
#else
  bits -= (bits >> 1) & 0x5555'5555'5555'5555u;
  bits = (bits & 0x3333'3333'3333'3333u) + ((bits >> 2) & 0x3333'3333'3333'3333u);
  bits = (bits + (bits >> 4)) & 0x0F0F'0F0F'0F0F'0F0Fu;
  return static_cast<int>((bits * 0x0101'0101'0101'0101u) >> 56);
#endif
}

// The bits of marks up to and including the lowest one of `through`, which must have one.
std::uint64_t upToLowest(std::uint64_t through) { return through ^ (through - 1); }

}  // namespace

template <class Keep>
void ReportTable::splitFields(std::size_t row, Keep&& keep) const {
  const auto columns = static_cast<std::size_t>(columns_);
  const std::size_t start = rowStarts_[row];
  // A record ends before the next one starts. Looking no further keeps a row of a file cut
  // meanwhile (whose lost bytes read as zeros, without line ends) from costing the whole rest of
  // the file.
  const std::size_t limit = row + 1 < rowStarts_.size() ? rowStarts_[row + 1] : size_;
  if (isScanned(delimiter_)) {
    // Each field from the character after the delimiter before it; trimmed when it is read.
    std::size_t column = 0;
    std::size_t from = start;
    auto next = [&](std::size_t to) {
      keep(column++, from, to);
      from = to + 1;
    };
    std::size_t end = limit;
    for (std::size_t block = start; block < limit && column < columns; block += 64) {
      const BlockMarks marks = marksAt(text_, block, size_, delimiter_[0]);
      std::uint64_t delimiters = marks.delimiters;
      if (marks.returns != 0) delimiters &= upToLowest(marks.returns) >> 1;
      for (; delimiters != 0 && column < columns; delimiters &= delimiters - 1) {
        next(block + static_cast<std::size_t>(std::countr_zero(delimiters)));
      }
      if (marks.returns != 0) {
        end = block + static_cast<std::size_t>(std::countr_zero(marks.returns));
        break;
      }
    }
    // The last field of the line, unless the heading's fields were all found before it.
    if (column < columns) next(end);
    return;
  }
  const std::string_view record(text_, limit);
  std::string_view rest = record.substr(start, lineAt(record, start).end - start);
  for (std::size_t column = 0; column < columns; ++column) {
    const ViewSplit split = splitFirst(rest, delimiter_);
    if (!split.first.empty()) {
      const auto offset = static_cast<std::size_t>(split.first.data() - text_);
      keep(column, offset, offset + split.first.size());
    }
    rest = split.rest;
  }
}

void ReportTable::splitRow(std::size_t row) const {
  splitCells_.assign(static_cast<std::size_t>(columns_), CellSpan{});
  const std::size_t start = rowStarts_[row];
  splitFields(row, [&](std::size_t column, std::size_t from, std::size_t to) {
    splitCells_[column] = {static_cast<std::uint32_t>(from - start),
                           static_cast<std::uint32_t>(to - start)};
  });
}

namespace {
// The text from `from` to `to` without the spaces around it.
std::string_view trimmedCell(const char* from, const char* to) {
  while (from < to && *from == ' ') ++from;
  while (from < to && to[-1] == ' ') --to;
  if (from == to) return {};
  return {from, static_cast<std::size_t>(to - from)};
}
}  // namespace

std::string_view ReportTable::cell(int row, int column) const {
  if (row < 1 || row > rows_ || column < 1 || column > columns_) return {};
  const auto index = static_cast<std::size_t>(row - 1);
  if (index != splitRow_) {
    splitRow(index);
    splitRow_ = index;
  }
  const CellSpan& span = splitCells_[static_cast<std::size_t>(column - 1)];
  const char* rowText = text_ + rowStarts_[index];
  return trimmedCell(rowText + span.from, rowText + span.to);
}

void ReportTable::clear() { *this = ReportTable(); }

bool ReportTable::unchanged() const { return bytes_ == nullptr || bytes_->unchanged(); }

class ReportTableBuilder {
 public:
  static void build(std::shared_ptr<ReportBytes> bytes, std::string_view delimiter,
                    ReportTable& table) {
    // Rows start at 32-bit offsets into the text; a larger file is not a report.
    if (bytes->size() >= std::numeric_limits<std::uint32_t>::max() / 2) return;
    ReportTable result;
    result.text_ = bytes->data();
    result.size_ = bytes->size();
    result.bytes_ = std::move(bytes);
    result.delimiter_ = delimiter;
    if (!ReportTableBuilder(result).readRecords()) {
      // An empty file, or a heading line without fields, gives the empty table that every
      // lookup handles (each heading is then missing).
      table.clear();
      return;
    }
    table = std::move(result);
  }

 private:
  explicit ReportTableBuilder(ReportTable& table)
      : table_(table), text_(table.bytes_->data()), size_(table.size_),
        delimiter_(table.delimiter_) {}

  bool readRecords() {
    const std::string_view file(text_, size_);
    const int columns =
        size_ == 0 ? 0 : countFields(file.substr(0, lineAt(file, 0).end), delimiter_);
    if (columns == 0) return false;
    table_.columns_ = columns;
    columns_ = columns;
    // Room for rows of 16 bytes and more; only the part in use is ever touched.
    table_.rowStarts_.reserve(size_ / 16 + 16);
    if (isScanned(delimiter_)) {
      scanRecords();
    } else {
      for (std::size_t position = 0; position < size_;) {
        table_.rowStarts_.push_back(static_cast<std::uint32_t>(position));
        position = joinRecord(position);
      }
    }
    table_.rows_ = static_cast<int>(table_.rowStarts_.size());
    return true;
  }

  // One pass over the text 64 bytes at a time, finding line ends and delimiters together. The
  // usual record is one line with at least as many fields as the heading; any other is joined
  // with the lines after it, and the pass goes on behind the joined record.
  void scanRecords() {
    const char delimiter = delimiter_[0];
    std::size_t block = 0;
    BlockMarks marks = marksAt(text_, block, size_, delimiter);
    std::size_t position = 0;
    while (position < size_) {
      table_.rowStarts_.push_back(static_cast<std::uint32_t>(position));
      // The delimiters of the line from position to its end; the marks of the current block
      // before position are already cleared.
      int delimiters = 0;
      std::size_t end = size_;
      for (;;) {
        if (marks.returns != 0) {
          const std::uint64_t through = upToLowest(marks.returns);
          delimiters += countMarks(marks.delimiters & (through >> 1));
          end = block + static_cast<std::size_t>(std::countr_zero(marks.returns));
          marks.returns &= ~through;
          marks.delimiters &= ~through;
          break;
        }
        delimiters += countMarks(marks.delimiters);
        block += 64;
        if (block >= size_) break;
        marks = marksAt(text_, block, size_, delimiter);
      }
      if (end > position && delimiters + 1 >= columns_) {
        position = end + 1;
        if (position < size_ && text_[position] == '\n') ++position;
        continue;
      }
      position = joinRecord(position);
      block = position;
      if (position < size_) marks = marksAt(text_, block, size_, delimiter);
    }
  }

  // Reads the record that starts at `start` line by line, until its lines hold as many fields as
  // the heading: a line break inside a text field splits that field, so the last field of one
  // line and the first of the next are one field. The lines are moved together over the line
  // breaks between them and the joined record gets a CR behind it, so that it reads as one line.
  // Returns where the next record starts.
  std::size_t joinRecord(std::size_t start) {
    const std::string_view file(text_, size_);
    int fields = 0;
    int lines = 0;
    std::size_t position = start;
    std::size_t joinedEnd = start;
    while (position < size_ && fields < columns_) {
      const LineBounds line = lineAt(file, position);
      const std::size_t length = line.end - position;
      if (joinedEnd != position) std::memmove(text_ + joinedEnd, text_ + position, length);
      fields += countLineFields(std::string_view(text_ + joinedEnd, length), delimiter_);
      if (fields < columns_) fields -= 1;
      joinedEnd += length;
      position = line.next;
      ++lines;
    }
    // Each line break dropped left at least one byte free behind the joined text.
    if (lines > 1) text_[joinedEnd] = '\r';
    return position;
  }

  ReportTable& table_;
  char* text_;
  std::size_t size_;
  std::string_view delimiter_;
  int columns_ = 0;
};

void readReportText(std::string text, std::string_view delimiter, ReportTable& table) {
  ReportTableBuilder::build(ReportBytes::fromText(std::move(text)), delimiter, table);
}

void readReportFile(const std::string& path, std::string_view delimiter, ReportTable& table) {
  if (path.empty()) return;
  std::shared_ptr<ReportBytes> bytes = ReportBytes::fromFile(path);
  if (bytes == nullptr) return;
  ReportTableBuilder::build(std::move(bytes), delimiter, table);
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

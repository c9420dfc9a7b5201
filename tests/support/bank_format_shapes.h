#pragma once
// What the file of every built-in bank format looks like, line by line, and which rows it counts:
// a table that the tests of all formats at once check written files against.

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "formats/check_row.h"

namespace ppexport::testing {

// One kind of line: a fixed-width record by its length, a delimited line by how many separators
// it holds.
struct LineShape {
  std::size_t length = 0;  // 0 for a delimited line
  char separator = 0;
  std::size_t separators = 0;
};

// A fixed-width record of length characters.
LineShape record(std::size_t length);
// `count` fields joined by separator, with `closing` more separators at the ends of the line.
LineShape fields(char separator, std::size_t count, std::size_t closing = 0);

struct BankFormatShape {
  std::string_view name;
  std::vector<LineShape> headers;
  LineShape detail;
  std::vector<LineShape> trailers;
  Selection selection = Selection::UnclearedOrVoid;  // the rows that get a detail record
  bool countsVoids = true;  // false where the count covers issued checks only
  // Detail lines per written row: Union Bank follows each check by a date total when the next
  // report line carries another date.
  int linesPerCheck = 1;
};

void PrintTo(const BankFormatShape& shape, std::ostream* out);

// The 38 built-in formats, in the order of the bank list.
const std::vector<BankFormatShape>& bankFormatShapes();

// How many rows of a check table a selection takes, and how many of those are voids.
struct SelectedRows {
  int rows = 0;
  int voids = 0;
};

// The count a writer of shape returns for those rows.
int expectedCount(const BankFormatShape& shape, SelectedRows selected);

// The lines of a file (split at CR LF) are the header lines, a detail line per selected row
// (linesPerCheck each) and the trailer lines of shape, each of its shape.
::testing::AssertionResult linesHaveShape(const std::vector<std::string>& lines,
                                          const BankFormatShape& shape, SelectedRows selected);

// A test name made of the name's letters and digits ("Chase - CSV Format" gives ChaseCSVFormat).
std::string testNameOf(std::string_view name);

}  // namespace ppexport::testing

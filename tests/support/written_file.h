#pragma once
// Running a bank writer into a fresh folder and reading back what it wrote.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "formats/writer.h"
#include "support/reports.h"

namespace ppexport::testing {

// The writer's result and the lines of the file it wrote, split at CR LF (none when no file was
// written; a last line without CR LF shows as "<missing CR LF>").
struct WrittenFile {
  WriterResult result;
  std::vector<std::string> lines;
};

// Runs writer on the fixture's inputs with the output in a temporary folder of its own.
WrittenFile writeBankFile(FormatWriter writer, WriterFixture& fixture);

// A check table whose heading row lacks "Bill 1" in place of the fixture's: writers read no row.
void dropBill1(WriterFixture& fixture);

// count spaces, for the fillers of expected fixed-width lines.
inline std::string sp(std::size_t count) { return std::string(count, ' '); }

// Every one of lines is `length` characters long.
::testing::AssertionResult linesAreLong(const std::vector<std::string>& lines, std::size_t length);

}  // namespace ppexport::testing

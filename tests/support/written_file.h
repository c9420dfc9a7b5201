#pragma once
// Running a bank writer into a fresh folder and reading back what it wrote, and comparing bytes
// with the golden files under tests/golden.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "formats/writer.h"
#include "settings/settings_store.h"
#include "support/reports.h"

namespace ppexport::testing {

// The writer's result and the lines of the file it wrote, split at CR LF (none when no file was
// written; a last line without CR LF shows as "<missing CR LF>").
struct WrittenFile {
  WriterResult result;
  std::vector<std::string> lines;
  std::string bytes;
};

// Runs writer on the fixture's inputs with the output in a temporary folder of its own.
WrittenFile writeBankFile(FormatWriter writer, WriterFixture& fixture);

// The lines of the file at path, split as above.
std::vector<std::string> readLines(const std::string& path);

// A check table whose heading row lacks "Bill 1" in place of the fixture's: writers read no row.
void dropBill1(WriterFixture& fixture);

// The golden file `name` under tests/golden holds bytes exactly; the message shows every line that
// differs. With PPEXPORT_UPDATE_GOLDEN=1 in the environment it is rewritten with bytes instead, so
// that a deliberate change of a format is one run and a review of the difference.
::testing::AssertionResult matchesGolden(const std::string& bytes, const std::string& name);

// One "key=value" line per stored setting, in the store's order, for a golden file.
std::string describedEntries(const SettingsEntries& entries);

// The lines are exactly expected; the message shows every line that differs.
::testing::AssertionResult linesAre(const std::vector<std::string>& lines,
                                    const std::vector<std::string>& expected);

}  // namespace ppexport::testing

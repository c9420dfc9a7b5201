// Edges of rules where two of them meet or a value sits just off the common case: the order of
// Capital One's status tests, a custom format's source-line test, the formula guard of the review
// file and the warning for a check number written more than once.
#include <gtest/gtest.h>

#include "create/review_file.h"
#include "custom/custom_writers.h"
#include "formats/bank_formats.h"
#include "formats/written_checks.h"
#include "support/reports.h"
#include "support/temp_folder.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::readLines;
using testing::TempFolder;
using testing::WriterFixture;

// An uncleared void is a void to Capital One: its void test comes before the cleared states.
TEST(CapitalOneBank, anUnclearedVoidHasTheVoidCode) {
  WriterFixture fixture(
      {{.number = "5", .cleared = "Uncleared", .amount = "0", .description = "VOID: 5"}});
  fixture.inputs.accountId = "55";
  const auto file = testing::writeBankFile(writeCapitalOneBank, fixture);
  EXPECT_EQ(file.lines, std::vector<std::string>{"000000005500000000050000000500030524N"});
}

// A custom format counts a row as its transaction's source line only when "is Source" is exactly
// "True"; a void counts whatever it says.
TEST(CustomFormats, onlyTrueMakesASourceLine) {
  WriterFixture fixture({{.number = "1", .more = {{"is Source", "True"}}},
                         {.number = "2", .more = {{"is Source", ""}}},
                         {.number = "3", .more = {{"is Source", "true"}}},
                         {.number = "4", .more = {{"is Source", "Yes"}}}});
  fixture.settings.saveSetting("Custom Format: Bank", "Bank");
  fixture.settings.saveSetting("BankCustomField1", "Check Number");
  fixture.settings.saveSetting("BankOptionCSV", "True");
  TempFolder folder;
  fixture.inputs.fileName = folder.file("custom.txt");
  fixture.inputs.customFormatName = "Bank";
  const WriterResult result = writeCustomCsv(fixture.inputs);
  EXPECT_EQ(result.count, 1);
  EXPECT_EQ(readLines(fixture.inputs.fileName), std::vector<std::string>{"1"});
}

// Every payee a spreadsheet would run as a formula is kept as text; others stay as they are.
TEST(ReviewFile, everyFormulaStartIsGuarded) {
  WriterFixture fixture({{.number = "1", .name = "+1 Supply"},
                         {.number = "2", .name = "-Dash Co"},
                         {.number = "3", .name = "@Home"},
                         {.number = "4", .name = "A=B"}},
                        {});
  TempFolder folder;
  writeReviewFile(fixture.checks, fixture.vendors, folder.file("pp.txt"), {}, fixture.inputs.now);
  const std::vector<std::string> lines = readLines(folder.file("Positive Pay Review.csv"));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.end()),
            (std::vector<std::string>{"03/05/2024,1,'+1 Supply,100.00,Issue",
                                      "03/05/2024,2,'-Dash Co,100.00,Issue",
                                      "03/05/2024,3,'@Home,100.00,Issue",
                                      "03/05/2024,4,A=B,100.00,Issue"}));
}

// A check number twice in one file is warned of once, at its second row.
TEST(CheckWarnings, aNumberWrittenTwiceIsWarnedOfOnce) {
  const std::vector<WrittenCheck> checks = {
      {.number = "7"}, {.number = "8"}, {.number = "7"}, {.number = "9"}};
  EXPECT_EQ(checkWarnings(checks),
            std::vector<std::string>{"Warning: check 7: written 2 times in this file"});
}

}  // namespace
}  // namespace ppexport

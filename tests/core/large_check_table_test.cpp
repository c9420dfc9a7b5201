// A check table large enough that its warnings are worked out on a second thread while the file
// goes to disk writes exactly what the same rows write in pieces small enough for the writer's own
// thread.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "formats/bank_formats.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;

// Rows of every kind a writer treats apart: cleared, void with and without an amount in the memo,
// unreadable amounts and dates, check numbers that are not all digits, payees from the vendor list and from
// the address, and now and then a number written again a few rows later.
std::vector<Check> registerRows(int count) {
  std::vector<Check> rows;
  for (int i = 0; i < count; ++i) {
    Check check;
    check.number = std::to_string(100000 + i);
    if (i % 997 == 500) check.number = rows[static_cast<std::size_t>(i - 3)].number;
    if (i % 19 == 4) check.number = std::to_string(i) + ".5";
    if (i % 7 == 0) check.cleared = "Cleared";
    check.date = std::to_string(1 + i % 12) + "/" + std::to_string(1 + i % 28) + "/2025";
    if (i % 17 == 3) check.date = "13/45/2025";
    check.amount = "-" + std::to_string(i % 5000) + "." + std::to_string(10 + i % 90);
    if (i % 13 == 5) check.amount = "n/a";
    if (i % 11 == 2) {
      check.amount = "0.00";
      check.description = i % 22 == 2 ? "VOID: 12.50 wrong payee" : "void";
    }
    check.name = "Vendor " + std::to_string(i % 40);
    if (i % 9 == 1) {
      check.nameType = "Payee";
      check.bill1 = "Someone Else " + std::to_string(i % 3);
    }
    rows.push_back(check);
  }
  return rows;
}

const std::vector<std::vector<std::string>> kVendors = {
    {"Full Name", "Print on Checks"}, {"Vendor 1", "First Vendor Inc"}, {"Vendor 7", ""}};

using RowRecord = std::tuple<std::string, std::string, std::optional<Date>, std::int64_t, bool>;

struct Written {
  int count = 0;
  std::vector<std::string> lines;
  std::vector<std::string> warnings;
  std::vector<RowRecord> rows;
};

Written write(FormatWriter writer, const std::vector<Check>& rows, std::size_t headerLines) {
  testing::WriterFixture fixture(rows, kVendors);
  fixture.inputs.accountId = "12345";
  const testing::WrittenFile file = testing::writeBankFile(writer, fixture);
  Written written;
  written.count = file.result.count;
  written.lines.assign(file.lines.begin() + static_cast<std::ptrdiff_t>(headerLines),
                       file.lines.end());
  written.warnings = file.result.warnings;
  // The rows name the cells of the fixture's tables, which live until here.
  for (const WrittenCheck& check : file.result.checks) {
    written.rows.emplace_back(std::string(check.number), std::string(check.payee), check.date,
                              check.cents, check.isVoid);
  }
  return written;
}

TEST(LargeCheckTable, writesWhatItsRowsWriteInSmallPieces) {
  // More rows than a file whose warnings are worked out on the writer's own thread.
  const int count = 24699;
  const std::vector<Check> rows = registerRows(count);
  const struct {
    const char* name;
    FormatWriter writer;
    std::size_t headerLines;
  } formats[] = {{"Generic Bank Format", writeGenericBankFormat, 1},
                 {"Regions Bank", writeRegionsBank, 0}};
  for (const auto& format : formats) {
    SCOPED_TRACE(format.name);
    const Written whole = write(format.writer, rows, format.headerLines);
    Written pieces;
    // Pieces of 997 rows keep every repeated number inside one piece.
    for (std::size_t from = 0; from < rows.size(); from += 997) {
      const std::vector<Check> piece(
          rows.begin() + static_cast<std::ptrdiff_t>(from),
          rows.begin() + static_cast<std::ptrdiff_t>(std::min(rows.size(), from + 997)));
      Written part = write(format.writer, piece, format.headerLines);
      pieces.count += part.count;
      pieces.lines.insert(pieces.lines.end(), part.lines.begin(), part.lines.end());
      pieces.warnings.insert(pieces.warnings.end(), part.warnings.begin(), part.warnings.end());
      pieces.rows.insert(pieces.rows.end(), part.rows.begin(), part.rows.end());
    }
    EXPECT_GT(whole.count, count / 2);
    EXPECT_EQ(whole.count, pieces.count);
    EXPECT_TRUE(testing::linesAre(whole.lines, pieces.lines));
    EXPECT_EQ(whole.warnings, pieces.warnings);
    EXPECT_EQ(whole.rows, pieces.rows);
    // Each kind of warning is there.
    for (const char* kind : {"unreadable amount", "unreadable date", "not all digits",
                             "written 2 times"}) {
      EXPECT_TRUE(std::any_of(whole.warnings.begin(), whole.warnings.end(),
                              [&](const std::string& line) {
                                return line.find(kind) != std::string::npos;
                              }))
          << kind;
    }
  }
}

}  // namespace
}  // namespace ppexport

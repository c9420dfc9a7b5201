#include <gtest/gtest.h>

#include "create/review_file.h"
#include "support/reports.h"
#include "support/temp_folder.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::TempFolder;

TEST(ReviewFilePath, besideTheBankFileWhateverItsSeparator) {
  EXPECT_EQ(reviewFilePath("C:\\Out\\pp.txt"), "C:\\Out\\Positive Pay Review.csv");
  EXPECT_EQ(reviewFilePath("/home/kim/out/pp.txt"), "/home/kim/out/Positive Pay Review.csv");
  EXPECT_EQ(reviewFilePath("pp.txt"), "Positive Pay Review.csv");
}

TEST(ReviewFile, listsUnclearedAndVoidChecksWithTheirStatus) {
  testing::WriterFixture fixture(
      {
          {.number = "1001", .date = "03/05/2024", .amount = "-1,234.50", .name = "Smith, John"},
          {.number = "12345678901", .date = "03/06/2024", .amount = "-5.00", .name = "=cmd()"},
          {.number = "", .cleared = "Cleared", .date = "03/07/2024", .amount = "0",
           .name = "Voided Co", .description = "VOID: 250.00"},
          {.number = "1003", .cleared = "Cleared", .date = "3/8/2024", .amount = "0.00",
           .name = "Plain Void", .description = "VOID"},
          {.number = "1004", .cleared = "Cleared", .amount = "-9.00", .name = "Cleared Co"},
          {.number = "1005", .cleared = "Pending", .amount = "-9.00", .name = "Pending Co"},
          // A positive register amount is left out of the bank file, and so of its review.
          {.number = "6001", .amount = "100.00", .name = "Refund Co"},
      },
      {});
  TempFolder folder;
  ReviewResult result = writeReviewFile(fixture.checks, fixture.vendors, folder.file("pp.txt"),
                                        {"", "987654", "", ""}, fixture.inputs.now);
  EXPECT_EQ(result.count, 4);
  EXPECT_TRUE(testing::matchesGolden(testing::readBytes(folder.file("Positive Pay Review.csv")),
                                     "review/uncleared-and-void.csv"));
}

TEST(ReviewFile, noIdentifiersMeansNoEmptyLineAndMissingHeadingsAnEmptyFile) {
  testing::WriterFixture fixture({{.number = "1001", .amount = "-1.00", .name = "A"}});
  TempFolder folder;
  DateTime midnight{Date{2026, 1, 2}, 0, 7};
  EXPECT_EQ(writeReviewFile(fixture.checks, fixture.vendors, folder.file("pp.txt"), {}, midnight)
                .count,
            1);
  EXPECT_TRUE(testing::matchesGolden(testing::readBytes(folder.file("Positive Pay Review.csv")),
                                     "review/no-identifiers.csv"));

  ReportTable noBill = testing::reportTable({{"Document Number", "Name", "Date"}, {"1", "x", "y"}});
  ReviewResult missing =
      writeReviewFile(noBill, fixture.vendors, folder.file("pp.txt"), {}, midnight);
  EXPECT_EQ(missing.count, 0);
  EXPECT_EQ(testing::readBytes(folder.file("Positive Pay Review.csv")), "");
}

TEST(ReviewFile, anUnwritableFolderGivesZero) {
  testing::WriterFixture fixture({{.number = "1001"}});
  ReviewResult result = writeReviewFile(fixture.checks, fixture.vendors,
                                        "/nonexistent/folder/pp.txt", {}, fixture.inputs.now);
  EXPECT_EQ(result.count, 0);
  EXPECT_FALSE(result.written);
}

}  // namespace
}  // namespace ppexport

#include <gtest/gtest.h>

#include "quickbooks/report_table.h"
#include "support/reports.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::reportTable;

std::vector<std::vector<std::string>> cellsOf(const ReportTable& table) {
  std::vector<std::vector<std::string>> cells;
  for (int row = 1; row <= table.rows(); ++row) {
    cells.emplace_back();
    for (int column = 1; column <= table.columns(); ++column) {
      cells.back().emplace_back(table.cell(row, column));
    }
  }
  return cells;
}

ReportTable fromText(const std::string& text) {
  ReportTable table;
  readReportText(text, fieldSeparator, table);
  return table;
}

TEST(SplitFirstField, trimsBothPartsAndSplitsAtTheFirstDelimiter) {
  struct Case {
    std::string text, first, rest;
  } cases[] = {
      {" a \x01 b \x01 c ", "a", "b \x01 c"},
      {"abc", "abc", ""},
      {"\x01x", "", "x"},
      {"a\x01", "a", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    FieldSplit split = splitFirstField(c.text, fieldSeparator);
    EXPECT_EQ(split.first, c.first) << c.text;
    EXPECT_EQ(split.rest, c.rest) << c.text;
  }
}

TEST(ReadReportFile, readsTheRecordsAsTheReportHoldsThem) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::vector<std::string>> cells;
  } cases[] = {
      {"cells trimmed of spaces only, short records filled, extra fields dropped",
       "Num\x01Name\x01Memo\r\n" " 123 \x01\tTabbed\x01x\x01" "extra dropped\r\n" "9\r\n",
       {{"Num", "Name", "Memo"}, {"123", "\tTabbed", "x"}, {"9", "", ""}}},
      {"a record broken by a line break inside a field is joined",
       "Num\x01Name\x01Memo\x01" "Amount\r\n" "7\x01Smith\x01" "first part\r\n"
       "second part\x01-50.00\r\n" "8\x01Jones\x01memo\x01-1.00\r\n",
       {{"Num", "Name", "Memo", "Amount"},
        {"7", "Smith", "first partsecond part", "-50.00"},
        {"8", "Jones", "memo", "-1.00"}}},
      {"an empty line counts as minus one field and absorbs the next line",
       "A\x01" "B\r\n1\x01" "2\r\n\r\nx\x01y\x01z\r\n", {{"A", "B"}, {"1", "2"}, {"x", "y"}}},
      {"a record whose last cells are empty stays one record",
       "Full Name\x01Print on Checks\r\nBlank\x01\r\nNext\x01Next Co\r\n",
       {{"Full Name", "Print on Checks"}, {"Blank", ""}, {"Next", "Next Co"}}},
      {"lines end in CR or CR LF, a lone LF stays in the line",
       "A\x01" "B\r1\x01line\nfeed\r\n2\x01z", {{"A", "B"}, {"1", "line\nfeed"}, {"2", "z"}}},
      {"trailing empty fields of the heading are not columns",
       "A\x01" "B\x01 \r\n1\x01" "2\x01" "3\r\n", {{"A", "B"}, {"1", "2"}}},
  };
  for (const Case& c : cases) EXPECT_EQ(cellsOf(fromText(c.text)), c.cells) << c.what;
}

TEST(ReadReportFile, oddFilesReadWithoutCrashOrHang) {
  EXPECT_TRUE(fromText("").empty());
  EXPECT_TRUE(fromText("\r\n\r\n").empty());             // heading line without fields
  EXPECT_EQ(fromText("A\x01" "B").rows(), 1);           // heading only, no line break
  EXPECT_EQ(fromText(std::string("A\0B\x01" "C\r\n1\0\x01" "2", 12)).cell(2, 1),
            std::string_view("1\0", 2));
  std::string longLine(20 * 1024 * 1024, 'x');
  EXPECT_EQ(fromText(longLine).cell(1, 1).size(), longLine.size());
  std::string binary;
  for (int i = 0; i < 100000; ++i) binary.push_back(static_cast<char>((i * 7919) % 256));
  ReportTable table = fromText(binary);
  EXPECT_LE(table.rows(), 100000);
}

TEST(ReadReportFile, aMissingFileLeavesTheTableAsItWas) {
  ReportTable table = reportTable({{"Kept"}});
  readReportFile("/nonexistent/folder/checks.txt", fieldSeparator, table);
  readReportFile("", fieldSeparator, table);
  EXPECT_EQ(table.cell(1, 1), "Kept");

  testing::TempFolder folder;
  testing::writeBytes(folder.file("checks.txt"), "Num\r\n1001\r\n");
  readReportFile(folder.file("checks.txt"), fieldSeparator, table);
  EXPECT_EQ(table.rows(), 2);
  EXPECT_EQ(table.cell(2, 1), "1001");
}

TEST(FindColumn, matchesTrimmedCaseInsensitiveLeftmost) {
  ReportTable table = reportTable({{"Num", "Amount", " amount ", "Date"}, {"1", "2", "3", "4"}});
  EXPECT_EQ(findColumn("  amount ", table), 2);
  EXPECT_EQ(findColumn("DATE", table), 4);
  EXPECT_EQ(findColumn("Memo", table), 0);
  EXPECT_EQ(findColumn("Num", ReportTable()), 0);
  EXPECT_EQ(table.cell(0, 1), "");
  EXPECT_EQ(table.cell(3, 1), "");
}

}  // namespace
}  // namespace ppexport

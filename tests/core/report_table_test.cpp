#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/bank_file.h"
#include "formats/bank_formats.h"
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
      {"a record broken over three lines is joined",
       "Num\x01Memo\x01" "Amount\r\n" "7\x01one\r\ntwo\r\nthree\x01-5.00\r\n" "8\x01m\x01-1.00\r\n",
       {{"Num", "Memo", "Amount"}, {"7", "onetwothree", "-5.00"}, {"8", "m", "-1.00"}}},
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

// The reading rules spelled out line by line and field by field, to hold the reader, which scans
// 64 bytes at a time and joins broken records in place, against.
std::vector<std::vector<std::string>> readLineByLine(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t position = 0; position < text.size();) {
    std::size_t end = text.find('\r', position);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(position, end - position));
    position = end + 1;
    if (position < text.size() && text[position] == '\n') ++position;
  }
  auto fieldsOf = [](const std::string& line) {
    return line.empty() ? 0 : 1 + static_cast<int>(std::count(line.begin(), line.end(), '\x01'));
  };
  int columns = 0;
  for (std::string rest = lines.empty() ? "" : lines[0]; !rest.empty();
       rest = splitFirstField(rest, fieldSeparator).rest) {
    ++columns;
  }
  std::vector<std::vector<std::string>> rows;
  for (std::size_t next = 0; columns > 0 && next < lines.size();) {
    std::string record;
    for (int fields = 0; next < lines.size() && fields < columns;) {
      record += lines[next];
      fields += fieldsOf(lines[next++]);
      if (fields < columns) fields -= 1;
    }
    rows.emplace_back();
    for (int column = 0; column < columns; ++column) {
      FieldSplit split = splitFirstField(record, fieldSeparator);
      rows.back().push_back(split.first);
      record = split.rest;
    }
  }
  return rows;
}

// Reports of every shape at every alignment of delimiters and line ends to the 64-byte blocks
// the reader scans: fields of all lengths (also longer than a block), blank and spaced fields, lone
// LFs, CR and CR LF, short lines that join, empty lines, a last line with or without its line end.
TEST(ReadReportFile, readsEveryShapeOfReportAsTheLineByLineRulesDo) {
  const std::vector<std::string> pieces = {"", " ", "a", "  spaced  ", "x\ny", "1,234.56",
                                           "VOID: 12.00", "0123456", "abcdefghijklmnopq",
                                           std::string(63, 'm'), std::string(130, 'l')};
  const std::vector<std::string> ends = {"\r\n", "\r", "\r\n", "\n\r\n"};
  std::uint64_t seed = 99;
  auto next = [&seed](std::size_t below) {
    seed = seed * 6364136223846793005u + 1442695040888963407u;
    return static_cast<std::size_t>((seed >> 33) % below);
  };
  for (int report = 0; report < 3000; ++report) {
    const std::size_t columns = 1 + next(6);
    std::string text;
    const std::size_t lines = 1 + next(12);
    for (std::size_t line = 0; line < lines; ++line) {
      // Mostly whole records, some short lines, some long ones, now and then an empty line.
      const std::size_t kind = next(10);
      std::size_t fields = kind < 6 ? columns : kind < 8 ? 1 + next(columns) : columns + next(3);
      if (kind == 9 && line > 0) fields = 0;
      for (std::size_t field = 0; field < fields; ++field) {
        if (field > 0) text += '\x01';
        text += line == 0 ? "H" + std::to_string(field) : pieces[next(pieces.size())];
        text.append(next(3), ' ');
      }
      if (line + 1 < lines || next(2) == 0) text += ends[next(ends.size())];
    }
    SCOPED_TRACE(::testing::PrintToString(text));
    const ReportTable table = fromText(text);
    const auto expected = readLineByLine(text);
    ASSERT_EQ(cellsOf(table), expected);
    // Cells asked for out of order read the same.
    for (int row = table.rows(); row >= 1; --row) {
      for (int column = table.columns(); column >= 1; --column) {
        ASSERT_EQ(table.cell(row, column), expected[static_cast<std::size_t>(row - 1)]
                                                   [static_cast<std::size_t>(column - 1)]);
      }
    }
  }
}

// A report read from its file reads as the same text in memory, also when the file ends exactly
// at a page or word boundary without a line end.
TEST(ReadReportFile, aFileReadsAsItsText) {
  testing::TempFolder folder;
  for (std::size_t size : {7u, 8u, 4095u, 4096u, 65536u, 100001u}) {
    std::string text = "Num\x01Memo\x01" "Amount\r\n";
    for (int row = 0; text.size() < size; ++row) {
      text += std::to_string(row) + "\x01 memo " + std::to_string(row % 7) + "\x01-1.00\r\n";
    }
    text.resize(size);
    testing::writeBytes(folder.file("checks.txt"), text);
    ReportTable table;
    readReportFile(folder.file("checks.txt"), fieldSeparator, table);
    EXPECT_EQ(cellsOf(table), readLineByLine(text)) << size;
  }
}

// Another program cutting or rewriting a report file after it was read: the table either still
// reads as it was read (where it holds its own copy, or the file was replaced by a new one), or
// says it changed; reading it never ends the program nor takes longer than reading it did; and a
// bank file is never written from rows of two versions of the file.
TEST(ReadReportFile, aFileChangedAfterReadingIsNoticedAndNeverWrittenFrom) {
  testing::TempFolder folder;
  const std::string path = folder.file("checks.txt");
  std::string text = "Document Number\x01Name\x01" "Date\x01" "Bill 1\x01Name Type\x01" "Amount"
                     "\x01" "Cleared\x01" "Description\r\n";
  for (int row = 0; row < 20000; ++row) {
    text += std::to_string(1000 + row) + "\x01Vendor\x01" "12/01/2026\x01\x01Vendor\x01-1.00\x01" +
            "Uncleared\x01memo " + std::to_string(row % 7) + "\r\n";
  }
  const auto original = readLineByLine(text);
  const struct {
    const char* what;
    std::function<void()> change;
    bool noticed;  // where the table reads the file in place
  } changes[] = {
      {"cut", [&] { testing::writeBytes(path, "Other\r\n"); }, true},
      {"emptied", [&] { testing::writeBytes(path, ""); }, true},
      {"rewritten in place",
       [&] {
         std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
         file.seekp(static_cast<std::streamoff>(text.size() / 2));
         file << "9999";
       },
       true},
      {"replaced by a new file",
       [&] {
         testing::writeBytes(path + ".new", "Other\r\n");
         std::filesystem::rename(path + ".new", path);
       },
       false},
  };
  for (const auto& change : changes) {
    SCOPED_TRACE(change.what);
    testing::writeBytes(path, text);
    // A modification time of its own, so that a change within the same clock tick shows.
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() -
                                               std::chrono::hours(1));
    ReportTable table;
    readReportFile(path, fieldSeparator, table);
    ASSERT_TRUE(table.unchanged());
    ASSERT_EQ(cellsOf(table), original);
    change.change();
    const auto cells = cellsOf(table);
#ifndef _WIN32
    EXPECT_EQ(table.unchanged(), !change.noticed);
#endif
    if (table.unchanged()) {
      EXPECT_EQ(cells, original);
    }

    WriterInputs inputs;
    inputs.checks = &table;
    inputs.fileName = folder.file("bank.txt");
    const WriterResult result = writeGenericBankFormat(inputs);
    EXPECT_EQ(result.written, table.unchanged());
    if (!table.unchanged()) {
      EXPECT_EQ(result.failure, reportChangedReason);
      EXPECT_FALSE(std::filesystem::exists(folder.file("bank.txt")));
    }
    std::filesystem::remove(folder.file("bank.txt"));
  }
}

TEST(ReadReportFile, aMissingFileLeavesTheTableAsItWas) {
  ReportTable table = reportTable({{"Kept"}});
  readReportFile("/nonexistent/folder/checks.txt", fieldSeparator, table);
  readReportFile("", fieldSeparator, table);
  testing::TempFolder folderOnly;
  readReportFile(folderOnly.file(""), fieldSeparator, table);
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

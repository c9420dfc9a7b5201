#include <gtest/gtest.h>

#include "create/format_dispatch.h"
#include "custom/custom_writers.h"
#include "support/written_file.h"
#include "support/reports.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::TempFolder;
using testing::WriterFixture;

struct Field {
  std::string name;
  std::string length;
};

// Stores a definition key by key, as a format saved earlier (or edited by hand) holds it.
void define(MemorySettingsStore& settings, const std::string& name, bool commaSeparated,
            const std::vector<Field>& fields, const std::string& datePattern = "MM/DD/YYYY",
            const std::string& voidValue = "Yes") {
  settings.saveSetting("Custom Format: " + name, name);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    settings.saveSetting(name + "CustomField" + std::to_string(i + 1), fields[i].name);
    settings.saveSetting(name + "FieldLength" + std::to_string(i + 1), fields[i].length);
  }
  settings.saveSetting(name + "dateFormat", datePattern);
  settings.saveSetting(name + "isVoidValue", voidValue);
  settings.saveSetting(name + "OptionCSV", commaSeparated ? "True" : "False");
}

const Check acme{.number = "1001", .date = "12/31/2025", .amount = "-1,234.50",
                 .name = "Acme, Inc."};
const Check voided{.number = "1002", .cleared = "Cleared", .date = "01/02/2026", .amount = "0",
                   .name = "Bolt Co", .description = "VOID: 80.00"};

struct Written {
  WriterResult result;
  std::string file;
};

Written write(WriterFixture& fixture, const TempFolder& folder, bool commaSeparated) {
  fixture.inputs.fileName = folder.file("custom.txt");
  fixture.inputs.customFormatName = "Bank";
  WriterResult result =
      commaSeparated ? writeCustomCsv(fixture.inputs) : writeCustomFixed(fixture.inputs);
  return {result, fixture.inputs.fileName};
}

TEST(CustomCsv, fieldsInTheirOrder) {
  struct Case {
    std::vector<Field> fields;
    std::vector<Check> rows;
    std::vector<std::string> lines;
  } cases[] = {
      {{{"Date"}, {"Check Number"}, {"Payee"}, {"Amount"}}, {acme},
       {"12/31/2025,1001,Acme Inc.,1234.50"}},
      // An issued check's Is Void is empty, also as the last field; a void carries the marker.
      {{{"Check Number"}, {"Is Void"}, {"Type"}}, {acme, voided}, {"1001,,ISSUE", "1002,Yes,VOID"}},
      {{{"Type"}, {"Is Void"}}, {acme}, {"ISSUE,"}},
      {{{"Amount"}, {"Memo"}, {"Account Number"}},
       {voided, {.number = "7", .amount = "12", .description = "a, b"}},
       {"80.00,VOID: 80.00,12-345", "-12.00,a b,12-345"}},
      // Unknown names and empty positions add nothing; a definition without one known name writes
      // no line.
      {{{""}, {"Check number"}, {"Check Number"}, {"Payees"}}, {acme}, {"1001"}},
      {{{"Payees"}, {""}}, {acme, voided}, {}},
  };
  for (const Case& c : cases) {
    WriterFixture fixture(c.rows);
    define(fixture.settings, "Bank", true, c.fields);
    fixture.inputs.accountId = "12-345";
    TempFolder folder;
    Written written = write(fixture, folder, true);
    EXPECT_EQ(written.result.count, static_cast<int>(c.rows.size()));
    EXPECT_TRUE(written.result.written);
    EXPECT_TRUE(testing::linesAre(testing::readLines(written.file), c.lines)) << c.fields[0].name;
  }
}

TEST(CustomFixed, fieldsInTheirOrder) {
  struct Case {
    std::vector<Field> fields;
    std::string datePattern;
    Check row;
    std::string line;
  } cases[] = {
      {{{"Date", "8"}, {"Check Number", "6"}, {"Payee", "10"}, {"Amount", "10"}}, "MMDDYYYY", acme,
       "12312025001001Acme, Inc.0000123450"},
      // The date is cut to its length but never padded: the next field starts early.
      {{{"Date", "10"}, {"Check Number", "4"}}, "MM/DD/YY", acme, "12/31/251001"},
      {{{"Date", "4"}}, "YYYY-MM-DD", acme, "2025"},
      // A void: its amount from the memo, type VOID, and no marker (it stands on issued checks).
      {{{"Amount", "7"}, {"Type", "5"}, {"Is Void", "3"}, {"Memo", "12"}}, "MMDDYY", voided,
       "0008000VOID    VOID: 80.00 "},
      {{{"Is Void", "4"}, {"Type", "3"}, {"Account Number", "8"}}, "MMDDYY", acme,
       "Yes ISS0012-345"},
      // Unknown names add nothing whatever their length; unreadable lengths count as 0.
      {{{"Amount", "abc"}, {"Payees", "5"}, {"Check Number", "-3"}, {"Memo", "99999999999"},
        {"Check Number", "2.5"}}, "MMDDYY", acme, "01"},
      {{{"Payees", "5"}}, "MMDDYY", acme, ""},
  };
  for (const Case& c : cases) {
    WriterFixture fixture({c.row});
    define(fixture.settings, "Bank", false, c.fields, c.datePattern);
    fixture.inputs.accountId = "12-345";
    TempFolder folder;
    Written written = write(fixture, folder, false);
    EXPECT_EQ(written.result.count, 1);
    EXPECT_TRUE(testing::linesAre(testing::readLines(written.file), {c.line})) << c.line;
  }
}

TEST(CustomFixed, aFieldLengthBeyondAnyLineIsRefusedAndTheEarlierFileKept) {
  WriterFixture fixture({acme});
  define(fixture.settings, "Bank", false, {{"Payee", "2000000000"}});
  TempFolder folder;
  testing::writeBytes(folder.file("custom.txt"), "earlier\r\n");
  Written written = write(fixture, folder, false);
  EXPECT_FALSE(written.result.written);
  EXPECT_EQ(written.result.failure,
            "Field 1 of the custom format is 2000000000 characters long; a field can be at most "
            "10000.");
  EXPECT_EQ(testing::readBytes(written.file), "earlier\r\n");
}

TEST(CustomFormats, theirOwnQualifyingRule) {
  const std::vector<Check> rows = {
      {.number = "1", .more = {{"is Source", "True"}}},
      {.number = "2", .more = {{"is Source", "False"}}},
      {.number = "3", .cleared = "Cleared", .more = {{"is Source", "True"}}},
      {.number = "4", .cleared = "Cleared", .amount = "0.00", .description = "Void",
       .more = {{"is Source", "False"}}},
      {.number = "EFT", .more = {{"is Source", "True"}}},
      // A void row qualifies on that account alone, even without a check number.
      {.number = "", .cleared = "Cleared", .amount = "0", .description = "VOID: 5"},
  };
  for (bool commaSeparated : {true, false}) {
    WriterFixture fixture(rows);
    define(fixture.settings, "Bank", commaSeparated, {{"Check Number", "3"}, {"Type", "5"}});
    TempFolder folder;
    Written written = write(fixture, folder, commaSeparated);
    EXPECT_EQ(written.result.count, 3);
    const std::vector<std::string> lines =
        commaSeparated ? std::vector<std::string>{"1,ISSUE", "4,VOID", ",VOID"}
                       : std::vector<std::string>{"001ISSUE", "004VOID ", "000VOID "};
    EXPECT_TRUE(testing::linesAre(testing::readLines(written.file), lines));
  }
}

TEST(CustomFormats, aReportWithoutIsSourceCountsEveryRowAsSource) {
  WriterFixture fixture(std::vector<Check>{{.number = "1"}, {.number = "2", .cleared = "Cleared"}});
  define(fixture.settings, "Bank", true, {{"Check Number"}});
  TempFolder folder;
  EXPECT_TRUE(testing::linesAre(testing::readLines(write(fixture, folder, true).file), {"1"}));
}

TEST(CustomFormats, warningsForUnreadableValuesAndCutAmounts) {
  const std::vector<Check> rows = {
      {.number = "1", .date = "02/30/2024", .amount = "abc"},
      {.number = "2", .amount = "-123456789.00"},
  };
  struct Case {
    bool commaSeparated;
    std::vector<Field> fields;
    std::vector<std::string> lines;
  } cases[] = {
      {true, {{"Date"}, {"Amount"}}, {",0.00", "03/05/2024,123456789.0"}},
      {false, {{"Date", "8"}, {"Amount", "10"}}, {"0000000000", "03/05/202345678900"}},
  };
  for (const Case& c : cases) {
    WriterFixture fixture(rows);
    define(fixture.settings, "Bank", c.commaSeparated, c.fields);
    TempFolder folder;
    Written written = write(fixture, folder, c.commaSeparated);
    EXPECT_TRUE(testing::linesAre(testing::readLines(written.file), c.lines));
    EXPECT_EQ(written.result.warnings,
              (std::vector<std::string>{"Warning: check 1: unreadable amount, written as 0",
                                        "Warning: check 1: unreadable date, written blank",
                                        "Warning: check 2: amount too long for its field"}));
  }
}

TEST(CustomFormats, dateSeparatorOfTheUsersRegion) {
  Regional german = Regional::unitedStates();
  german.dateOrder = DateOrder::DayMonthYear;
  german.dateSeparator = '.';
  setRegional(german);
  WriterFixture fixture(std::vector<Check>{{.number = "1", .date = "31.12.2025"}});
  define(fixture.settings, "Bank", true, {{"Date"}, {"Date"}}, "DD/MM/YYYY");
  TempFolder folder;
  Written written = write(fixture, folder, true);
  setRegional(Regional::unitedStates());
  EXPECT_TRUE(testing::linesAre(testing::readLines(written.file), {"31.12.2025,31.12.2025"}));
}

TEST(CustomFormats, theCsvFlagPicksTheWriter) {
  struct Case {
    std::optional<std::string> optionCsv;
    std::string bankListText;
    std::string line;
  } cases[] = {
      {std::nullopt, "Custom Format: Bank", "1001,ISSUE"},
      {"True", "Custom Format:  Bank ", "1001,ISSUE"},
      {"false", "Custom Format: Bank", "001001ISSUE"},
  };
  for (const Case& c : cases) {
    WriterFixture fixture({acme});
    define(fixture.settings, "Bank", true, {{"Check Number", "6"}, {"Type", "5"}});
    if (c.optionCsv) {
      fixture.settings.saveSetting("BankOptionCSV", *c.optionCsv);
    } else {
      fixture.settings.deleteSetting("BankOptionCSV");
    }
    TempFolder folder;
    fixture.inputs.fileName = folder.file("custom.txt");
    WriterResult result = runFormatWriter(c.bankListText, fixture.inputs);
    EXPECT_EQ(result.count, 1);
    EXPECT_TRUE(testing::linesAre(testing::readLines(fixture.inputs.fileName), {c.line}))
        << c.bankListText;
  }
}

}  // namespace
}  // namespace ppexport

#include "create/result_summary.h"

#include <gtest/gtest.h>

#include "create/format_dispatch.h"
#include "support/reports.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::WriterFixture;

struct Identifiers {
  std::string remoteId, bankId, batchId, accountId, bankCode;
};

// Writes the bank file of bank on rows with the identifiers and sums it up, as a Create does.
FileSummary summarize(const std::string& bank, const std::vector<Check>& rows,
                      const Identifiers& typed,
                      const std::vector<std::pair<std::string, std::string>>& stored = {}) {
  testing::TempFolder folder;
  WriterFixture fixture(rows);
  for (const auto& [key, value] : stored) fixture.settings.saveSetting(key, value);
  fixture.inputs.fileName = folder.file("bank.txt");
  fixture.inputs.remoteId = typed.remoteId;
  fixture.inputs.bankId = typed.bankId;
  fixture.inputs.batchId = typed.batchId;
  fixture.inputs.accountId = typed.accountId;
  fixture.inputs.bankCode = typed.bankCode;
  const WriterResult written = runFormatWriter(bank, fixture.inputs);
  EXPECT_TRUE(written.written) << bank;
  return summarizeWrittenFile(bank, "bank.txt", fixture.inputs, written, ReviewRequest{}, {});
}

// A custom format stored with its fields and lengths.
std::vector<std::pair<std::string, std::string>> customFormat(
    const std::string& name, bool commaSeparated,
    const std::vector<std::pair<std::string, std::string>>& fields) {
  std::vector<std::pair<std::string, std::string>> keys{
      {"Custom Format: " + name, name}, {name + "OptionCSV", commaSeparated ? "True" : "False"}};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    keys.push_back({name + "CustomField" + std::to_string(i + 1), fields[i].first});
    keys.push_back({name + "FieldLength" + std::to_string(i + 1), fields[i].second});
  }
  return keys;
}

const Check issued{.number = "1001", .amount = "-100.00"};

TEST(ResultSummary, identifierWarningsUseTheCaptionsOfTheFormat) {
  struct Case {
    std::string bank;
    Identifiers typed;
    std::vector<std::string> warnings;
    std::vector<std::pair<std::string, std::string>> stored = {};
  } cases[] = {
      {"Citibank - Standard Positive Pay",
       {.accountId = "123", .bankCode = "<pick a bank code>"},
       {"Warning: Co. Name is empty.", "Warning: no bank code was picked from the list."}},
      {"Citibank - Standard Positive Pay",
       {.remoteId = "ACME", .accountId = "12345678901", .bankCode = "001 - NYB - New York Metro"},
       {"Warning: Acct. Num is longer than its field of 10 characters; the file carries "
        "'2345678901'."}},
      {"Generic Bank Format",
       {.remoteId = "HEADER", .accountId = "12-34"},
       {"Warning: Account Number '12-34' is not a number."}},
      {"Royal Bank of Canada",
       {},
       {"Warning: Transit Number is empty.", "Warning: Account Number is empty."}},
      // The remote ID stands in a 7-character field and, upper-cased, in one of 24.
      {"Wells Fargo ARP - Standard",
       {.remoteId = "Harbor1x", .bankId = "12345", .accountId = "77"},
       {"Warning: Remote ID is longer than its field of 7 characters; the file carries "
        "'Harbor1'."}},
      {"Wells Fargo ASCII", {.accountId = "555", .bankCode = "0003 - FL"}, {}},
      // A comma-separated field has its width too.
      {"Chase - CSV Format",
       {.accountId = "12345678901234567890"},
       {"Warning: Account Number is longer than its field of 17 characters; the file carries "
        "'12345678901234567'."}},
      {"Regions Bank", {}, {}},
      {"Custom Format: Csv",
       {.accountId = "x1"},
       {"Warning: custom format 'Csv' has no field called 'date'; it was left out.",
        "Warning: custom format 'Csv' has no field called 'Foo'; it was left out."},
       customFormat("Csv", true, {{"date", ""}, {"Check Number", ""}, {"Foo", ""}, {"", ""}})},
      {"Custom Format: Fixed",
       {.accountId = "12345"},
       {"Warning: Account Number is longer than its field of 4 characters; the file carries "
        "'2345'."},
       customFormat("Fixed", false, {{"Account Number", "4"}, {"Check Number", "6"}})},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(summarize(c.bank, {issued}, c.typed, c.stored).warnings, c.warnings) << c.bank;
  }
}

TEST(ResultSummary, controlTotalsAndCheckWarningsComeFromTheWrittenRows) {
  const Check second{.number = "1002", .amount = "-20.50"};
  const Check voided{
      .number = "1003", .cleared = "Cleared", .amount = "0", .description = "VOID: 80.00"};
  const Check voidedUncleared{.number = "1003", .amount = "0", .description = "VOID: 80.00"};
  struct Case {
    std::string bank;
    std::vector<Check> rows;
    std::string totals;  // the message after "Created bank.txt with "
    std::vector<std::string> warnings = {};
    std::vector<std::pair<std::string, std::string>> stored = {};
  } cases[] = {
      {"Regions Bank",
       {issued, second, voided},
       "3 check records.\r\n\r\nIssued checks: 2, total 120.50\r\nVoided checks: 1, total 80.00"},
      // Citibank's count leaves the voids out; the voids are still in the file and counted.
      {"Citibank - Standard Positive Pay",
       {issued, second, voided},
       "2 check records.\r\n\r\nIssued checks: 2, total 120.50\r\nVoided checks: 1, total 80.00"},
      // This format writes a void with its register amount, 0.00.
      {"Branch Banking & Trust Company",
       {issued, voidedUncleared},
       "2 check records.\r\n\r\nIssued checks: 1, total 100.00\r\nVoided checks: 1, total 0.00"},
      {"Regions Bank",
       {{.number = "1,234"}, issued, issued, {.number = "-7"}, issued},
       "5 check records.\r\n\r\nIssued checks: 5, total 500.00\r\nVoided checks: 0, total 0.00",
       {"Warning: check 1,234: check number is not all digits",
        "Warning: check 1001: written 3 times in this file",
        "Warning: check -7: check number is not all digits"}},
      // A comma-separated check number is not read as digits.
      {"Chase - CSV Format",
       {{.number = "1,234", .amount = "x"}},
       "1 check record.\r\n\r\nIssued checks: 1, total 0.00\r\nVoided checks: 0, total 0.00",
       {"Warning: check 1,234: unreadable amount, written as 0"}},
      // A custom line without one known field is not written, but its row still has its warnings.
      {"Custom Format: None",
       {{.number = "1001", .amount = "x"}},
       "1 check record.\r\n\r\nIssued checks: 1, total 0.00\r\nVoided checks: 0, total 0.00",
       {"Warning: custom format 'None' has no field called 'Foo'; it was left out.",
        "Warning: check 1001: unreadable amount, written as 0"},
       customFormat("None", true, {{"Foo", ""}})},
      {"Regions Bank", {{.number = "1001", .cleared = "Cleared"}}, "0 check records."},
  };
  for (const Case& c : cases) {
    const FileSummary summary = summarize(
        c.bank, c.rows,
        {.remoteId = "ACME", .accountId = "1", .bankCode = "001 - NYB - New York Metro"}, c.stored);
    std::string expected = "Created bank.txt with " + c.totals;
    if (!c.warnings.empty()) expected += "\r\n";
    for (const std::string& warning : c.warnings) expected += "\r\n" + warning;
    EXPECT_EQ(summary.message, expected) << c.bank;
    EXPECT_EQ(summary.warnings, c.warnings) << c.bank;
  }
}

}  // namespace
}  // namespace ppexport

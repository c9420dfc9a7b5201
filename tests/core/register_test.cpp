#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "create/create_operation.h"
#include "quickbooks/company_connection.h"
#include "quickbooks/register_connection.h"
#include "quickbooks/report_export.h"
#include "settings/memory_store.h"
#include "support/reports.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::TempFolder;

const std::filesystem::path registers =
    std::filesystem::path(PPEXPORT_SOURCE_DIR) / "tests" / "golden" / "registers";

// One Create of the checks of December 2026 from connection into the bank format.
CreateOutcome createFrom(QuickBooksConnection& connection, const std::string& account,
                         const std::string& bank, const std::string& output,
                         SettingsStore& settings, const std::string& reportFolder) {
  static const FixedClock clock{DateTime{Date{2026, 12, 14}, 10, 15}};
  CreateRequest request;
  request.bankListText = bank;
  request.bankListIndex = 0;
  request.accountText = account;
  request.accountIndex = 0;
  request.fileName = output;
  request.fromDate = "12/1/2026";
  request.toDate = "12/31/2026";
  request.accountId = {"4417829035", true};
  request.bankId = {"061000104", true};
  request.remoteId = {"HARBORVIEW", true};
  request.accountSettings.account = account;
  request.accountSettings.bankList = bank;
  return createFile(request, CreateServices{&connection, &settings, &clock, reportFolder});
}

// Each register, in the shape its program exports it, gives the same bank files byte for byte as
// the same checks from a company file.
TEST(RegisterFile, writesTheBankFilesOfTheSameChecksFromACompanyFile) {
  const struct {
    const char* file;
    const char* columns;
  } goldens[] = {
      {"qbo-check-detail.csv", ""},
      {"qbo-register.csv", ""},
      {"xero-account-transactions.csv", ""},
      {"sage-check-register.txt", ""},
      {"wave-account-transactions.csv", "payee=Description,payment=Credit,deposit=Debit"},
      {"spreadsheet-checks.csv", ""},
  };
  TempFolder folder;
  MemorySettingsStore settings;
  const FixedClock clock{DateTime{Date{2026, 12, 14}, 10, 15}};
  CompanyFileConnection company((registers / "company.json").string(), clock);
  for (const char* bank : {"Generic Bank Format", "Wells Fargo ARP - CSV",
                           "SunTrust - with Payee Name Verification"}) {
    const std::string expected = folder.file("company.txt");
    ASSERT_EQ(createFrom(company, "Checking", bank, expected, settings, folder.path().string())
                  .stage,
              CreateStage::Done);
    for (const auto& golden : goldens) {
      std::string problem;
      // The columns that worked are kept per account: each file stands for an account of its own.
      MemorySettingsStore accountSettings;
      RegisterFileConnection source((registers / golden.file).string(), "Checking",
                                    *parseColumnMapping(golden.columns, problem),
                                    &accountSettings);
      const std::string written = folder.file("register.txt");
      const CreateOutcome outcome =
          createFrom(source, "Checking", bank, written, settings, folder.path().string());
      EXPECT_EQ(outcome.stage, CreateStage::Done) << golden.file << ": " << outcome.message.text;
      EXPECT_TRUE(outcome.summary.warnings.empty()) << golden.file << ": " << outcome.message.text;
      EXPECT_EQ(testing::readBytes(written), testing::readBytes(expected))
          << golden.file << " through " << bank;
    }
  }
}

// What is read of a register, case by case: the checks as the check report lists them
// (number|date|payee|amount|memo|cleared), or the refusal; and the warnings.
TEST(RegisterFile, readsRowsAndRefusesWhatItCannotRead) {
  const struct {
    std::string_view text;
    std::string_view columns;
    std::vector<std::string> checks;  // or the refusal, alone
    std::vector<std::string> warnings = {};
  } cases[] = {
      // Title lines above the headings; totals, blank and footer lines after the rows.
      {"My Co\r\nCheck Detail\r\n\r\nNum,Date,Name,Amount\r\n1,12/1/2026,A,-5.00\r\n\r\n"
       "Total,,,-5.00\r\nPrinted today\r\n",
       "", {"1|2026-12-01|A|-5.00||U"}},
      // Tabs, an ISO date, parentheses, a currency sign: money in is a deposit, left out; a
      // single amount of none but positive amounts lists checks, money out.
      {"Check #\tDate\tPayee\tAmount\n7\t2026-12-02\tB\t$1,234.56\n8\t12-3-26\tC\t(2.00)\n", "",
       {"8|2026-12-03|C|-2.00||U"}},
      {"Check #\tDate\tPayee\tAmount\n7\t2026-12-02\tB\t$1,234.56\n8\t12-3-26\tC\t2.00\n", "",
       {"7|2026-12-02|B|-1234.56||U", "8|2026-12-03|C|-2.00||U"}},
      // Quoted fields with commas, quotes and a line break; cleared states.
      {"No.,Date,Payee,Memo,Payment,Deposit,Clr\n"
       "1,12/1/26,\"Smith, \"\"Jo\"\"\",\"two\nlines\",5,,C\n2,12/1/26,D,,6,,R\n"
       "3,12/1/26,E,,7,,Y\n4,12/1/26,F,,8,,Reconciled\n5,12/1/26,G,,9,,N\n",
       "", {"1|2026-12-01|Smith, \"Jo\"|-5.00|two\nlines|C", "2|2026-12-01|D|-6.00||C",
            "3|2026-12-01|E|-7.00||C", "4|2026-12-01|F|-8.00||C", "5|2026-12-01|G|-9.00||U"}},
      // A type column leaves out what is not a check; without one, money in is a deposit.
      {"Type,Num,Date,Name,Amount\nCheck,1,12/1/26,A,-1\nDeposit,2,12/1/26,B,-2\n"
       "Check (voided),3,12/1/26,C,0\n", "",
       {"1|2026-12-01|A|-1.00||U", "3|2026-12-01|C|0.00|VOID|U"}},
      {"Ref,Date,Paid To,Debit,Credit\n1,12/1/26,A,10,\n2,12/1/26,B,,20\n", "",
       {"1|2026-12-01|A|-10.00||U"}},
      // Voids: by memo (keeping the amount it had), by payee; "Voidstar" is a name.
      {"Num,Date,Name,Memo,Amount\n1,12/1/26,A,Void,-25.00\n2,12/1/26,VOID: B,,0\n"
       "3,12/1/26,Voidstar,,-3\n", "",
       {"1|2026-12-01|A|0.00|VOID: 25.00 Void|U", "2|2026-12-01|B|0.00|VOID|U",
        "3|2026-12-01|Voidstar|-3.00||U"}},
      // A row whose date or amount cannot be read is left out with a warning naming its line.
      {"Num,Date,Name,Amount\n1,12/1/26,A,-1\n2,someday,B,-2\n3,12/2/26,C,lots\n4,12/2/26,D,\n",
       "", {"1|2026-12-01|A|-1.00||U"},
       {"Warning: line 3 of the register was left out: its date \"someday\" cannot be read.",
        "Warning: line 4 of the register was left out: its amount \"lots\" cannot be read.",
        "Warning: line 5 of the register was left out: its amount \"\" cannot be read."}},
      // Columns named by the user win; headings compare without case and punctuation.
      {"ref #,DATE,description,debit,credit,balance\n9,12/1/26,Z,3,,1\n",
       "number=REF #,payee=Description", {"9|2026-12-01|Z|-3.00||U"}},
      // Refusals: the roles missing and the headings found.
      {"Report\nDate,Description,Debit,Credit,Balance\n12/1/26,A,1,,1\n", "",
       {"No column for the check number; found: Date, Description, Debit, Credit, Balance."}},
      {"Num,Date,Name\n1,12/1/26,A\n", "",
       {"No column for the amount; found: Num, Date, Name."}},
      {"Num,Date,Name,Amount\n1,12/1/26,A,-1\n", "number=Check",
       {"No column \"Check\" for the check number; found: Num, Date, Name, Amount."}},
      {"", "", {"The register file has no heading line: no line names the columns of a check "
                "number, a date and an amount."}},
  };
  for (const auto& c : cases) {
    std::string problem;
    const RegisterLoad load = readRegisterText(c.text, *parseColumnMapping(c.columns, problem));
    std::vector<std::string> read;
    if (!load.readable()) read.push_back(load.problem);
    for (const RegisterCheck& check : load.checks) {
      char date[16];
      std::snprintf(date, sizeof date, "%04d-%02d-%02d", check.date.year, check.date.month,
                    check.date.day);
      read.push_back(check.number + "|" + date + "|" + check.payee + "|" + check.amount + "|" +
                     check.memo + "|" + (check.cleared ? "C" : "U"));
    }
    EXPECT_EQ(read, c.checks) << c.text;
    EXPECT_EQ(load.warnings, c.warnings) << c.text;
  }
}

TEST(RegisterFile, textInUtf8WithOrWithoutMarkOrInWindows1252) {
  for (std::string_view text : {"\xEF\xBB\xBFNum,Date,Name,Amount\n1,12/1/26,Caf\xC3\xA9,-1\n",
                                "Num,Date,Name,Amount\n1,12/1/26,Caf\xC3\xA9,-1\n",
                                "Num,Date,Name,Amount\n1,12/1/26,Caf\xE9,-1\n"}) {
    const RegisterLoad load = readRegisterText(text, {});
    ASSERT_EQ(load.checks.size(), 1u) << text;
    EXPECT_EQ(load.checks[0].payee, "Caf\xE9") << text;
  }
}

TEST(ColumnMapping, readsRolesAndRefusesWhatIsNotOne) {
  std::string problem;
  const std::optional<ColumnMapping> mapping =
      parseColumnMapping(" Number = Ref , amount=Debit,", problem);
  ASSERT_TRUE(mapping);
  EXPECT_EQ(columnMappingText(*mapping), "number=Ref,amount=Debit");
  EXPECT_FALSE(parseColumnMapping("number", problem));
  EXPECT_EQ(problem, "\"number\" does not say role=Heading");
  EXPECT_FALSE(parseColumnMapping("cheque=Ref", problem));
  EXPECT_EQ(problem, "\"cheque=Ref\" names no column role; the roles are number, date, payee, "
                     "amount, payment, deposit, memo, cleared, type and account");
}

// The mapping given for an account is kept when it worked, and used again without being given.
TEST(RegisterConnection, keepsTheColumnsThatWorkedForTheAccount) {
  TempFolder folder;
  MemorySettingsStore settings;
  const std::string file = folder.file("bank.csv");
  testing::writeBytes(file, "Chk,Date,Description,Debit,Credit\n5,12/1/26,A,1,\n");
  std::string problem;
  const ColumnMapping given = *parseColumnMapping("number=Chk", problem);
  const ExportRequest request = checkReportRequest(Date{2026, 1, 1}, Date{2026, 12, 31},
                                                  folder.file("checks.txt"), "", "Operating");
  EXPECT_NE(RegisterFileConnection(file, "Operating", {}, &settings).exportReport(request),
            "Success");
  EXPECT_EQ(RegisterFileConnection(file, "Operating", given, &settings).exportReport(request),
            "Success");
  EXPECT_EQ(settings.readSetting("OperatingregisterColumns"), "number=Chk");
  EXPECT_EQ(RegisterFileConnection(file, "Operating", {}, &settings).exportReport(request),
            "Success");
  EXPECT_EQ(RegisterFileConnection(file, "Operating", {}, &settings).load("Operating").checks.size(),
            1u);
}

// A register of 100,000 checks converts in well under a second.
TEST(RegisterFile, convertsAHundredThousandRowsInUnderASecond) {
#if !defined(NDEBUG) || defined(_WIN32)
  GTEST_SKIP() << "timed in the optimized native build only";
#endif
  TempFolder folder;
  std::string text = "Harborview Bakery LLC\r\nCheck Detail\r\n\r\nDate,Num,Name,Memo,Clr,Amount\r\n";
  for (int row = 0; row < 100000; ++row) {
    text += "12/" + std::to_string(1 + row % 28) + "/2026," + std::to_string(100000 + row) +
            ",\"Vendor " + std::to_string(row % 500) + ", Inc.\",Supplies," +
            (row % 3 == 0 ? "C" : "") + ",\"-1," + std::to_string(100 + row % 900) + ".25\"\r\n";
  }
  const std::string file = folder.file("big.csv");
  testing::writeBytes(file, text);
  MemorySettingsStore settings;
  RegisterFileConnection source(file, "Checking", {}, &settings);
  // The processor time the conversion takes, which other work on a busy machine does not inflate.
  const std::clock_t start = std::clock();
  const CreateOutcome outcome = createFrom(source, "Checking", "Generic Bank Format",
                                           folder.file("out.txt"), settings,
                                           folder.path().string());
  const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  EXPECT_EQ(outcome.stage, CreateStage::Done);
  EXPECT_EQ(outcome.count, 66666);
  EXPECT_LT(seconds, 1.0);
}

}  // namespace
}  // namespace ppexport

// The files of the built-in bank formats, byte for byte against the golden files under
// tests/golden/<format>/: every format on one month of a check register (each line also checked
// against the format's layout table), and each format on the registers of its own edge cases.

#include <gtest/gtest.h>

#include "formats/bank_formats.h"
#include "support/bank_format_shapes.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::BankFormatShape;
using testing::Check;
using testing::SelectedRows;
using testing::WriterFixture;

// A month of a check register: an uncleared check to a payee with a comma (and a "#"), a cleared
// check, a cleared void with its amount in the memo, an uncleared void without one, a deposit
// without a number, a check to a one-time payee and an electronic payment. Every line carries
// another date than the next, so Union Bank closes a date run after every check.
const std::vector<Check> month = {
    {.number = "1001", .date = "11/02/2026", .amount = "-1,234.50", .name = "Acme, Inc. #2",
     .more = {{"Bill 2", "120 Dock St"}, {"Bill 3", "Portland ME 04101"}}},
    {.number = "1002", .cleared = "Cleared", .date = "11/03/2026", .amount = "-20.00",
     .name = "Harbor Office Supply"},
    {.number = "1003", .cleared = "Cleared", .date = "11/04/2026", .amount = "0.00",
     .name = "Casco Bay Electric", .description = "VOID: 75.25 wrong payee"},
    {.number = "1004", .date = "11/05/2026", .amount = "0.00", .name = "Pine Ridge Properties",
     .description = "VOID"},
    {.number = "", .date = "11/06/2026", .amount = "5,400.00", .description = "Deposit"},
    {.number = "1005", .date = "11/07/2026", .amount = "-3,250.00", .name = "Cash",
     .nameType = "Payee", .bill1 = "Petty Cash Fund"},
    {.number = "EFT", .date = "11/08/2026", .amount = "-842.19", .name = "State Tax Department"},
};

// The rows each selection takes from that month, and the voids among them.
SelectedRows selectedRows(Selection selection) {
  switch (selection) {
    case Selection::UnclearedOrVoid:
      return {4, 2};  // 1001, 1003, 1004, 1005
    case Selection::EveryNumberedCheck:
      return {5, 2};  // 1001 to 1005
    case Selection::UnclearedOnly:
      return {3, 1};  // 1001, 1004, 1005
  }
  return {};
}

std::string goldenName(std::string_view format, const std::string& name) {
  return testing::testNameOf(format) + "/" + name + ".txt";
}

TEST(AllBankFormats, theTableNamesEveryBuiltInFormatInBankListOrder) {
  const auto formats = builtInBankFormats();
  const auto& shapes = testing::bankFormatShapes();
  ASSERT_EQ(formats.size(), 35u);
  ASSERT_EQ(shapes.size(), formats.size());
  for (std::size_t i = 0; i < formats.size(); ++i) EXPECT_EQ(formats[i].name, shapes[i].name);
}

class EveryBankFormat : public ::testing::TestWithParam<BankFormatShape> {};

// The month, and a check table without the "Bill 1" heading, of which no row qualifies: the
// header and trailer alone, or nothing.
TEST_P(EveryBankFormat, writesTheMonthInItsLayoutAndCountsItsRows) {
  const BankFormatShape& shape = GetParam();
  const BankFormat* format = findBankFormat(shape.name);
  ASSERT_NE(format, nullptr) << shape.name;
  for (bool withoutBill1 : {false, true}) {
    WriterFixture fixture(month);
    if (withoutBill1) testing::dropBill1(fixture);
    fixture.inputs.bankId = "12345";
    fixture.inputs.accountId = "987654321";
    fixture.inputs.remoteId = "ACME CORP";
    fixture.inputs.batchId = "001";
    fixture.inputs.bankCode = "0001 - NC";
    const testing::WrittenFile file = testing::writeBankFile(format->writer, fixture);
    const SelectedRows selected = withoutBill1 ? SelectedRows{} : selectedRows(shape.selection);
    EXPECT_TRUE(file.result.written);
    EXPECT_EQ(file.result.count, testing::expectedCount(shape, selected));
    EXPECT_EQ(file.result.warnings, std::vector<std::string>{});
    EXPECT_TRUE(testing::linesHaveShape(file.lines, shape, selected));
    EXPECT_TRUE(testing::matchesGolden(
        file.bytes, goldenName(shape.name, withoutBill1 ? "month-without-bill1" : "month")));
  }
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, EveryBankFormat, ::testing::ValuesIn(testing::bankFormatShapes()),
                         [](const ::testing::TestParamInfo<BankFormatShape>& info) {
                           return testing::testNameOf(info.param.name);
                         });

// An issued check, a cleared void with its amount in the memo, a cleared check.
const std::vector<Check> bankOfAmerica = {
    {.number = "1001", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme Supply"},
    {.number = "1002", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "Bolt & Nut", .description = "VOID: 25.00"},
    {.number = "1003", .cleared = "Cleared", .amount = "-20.00", .name = "Cleared Co"},
};

// Check numbers whose total overflows ten digits, and numbers rounded half to even.
const std::vector<Check> bigNumbers = {{.number = "9999999999", .amount = "-1"},
                                       {.number = "2", .amount = "-1"}};
const std::vector<Check> halfNumbers = {{.number = "1001.5", .amount = "-1"},
                                        {.number = "1002.5", .amount = "-1"}};

// An issued check, a void without its former amount (VOID), and one with it (CANCEL).
const std::vector<Check> citiDirect = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme"},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "Bolt", .description = "VOID"},
    {.number = "1236", .cleared = "Cleared", .date = "03/07/2024", .amount = "0.00",
     .name = "Nut", .description = "VOID: 75.25"},
};

// Every value longer than its field, and a payee holding the CitiDirect delimiter.
const std::vector<Check> longValues = {
    {.number = "123456789012345", .date = "03/08/2024", .amount = "-1234567890123.45",
     .name = "Smith # Jones Partners Smith # Jones Partners Smith # Jones Partners "
             "Smith # Jones"},
};

// Two issued checks (one of 0.375), a void with its amount in the memo and a void without one.
const std::vector<Check> fourChecks = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme, Inc.",
     .more = {{"Bill 2", "100 Main St"}, {"Bill 3", "Springfield IL 62701"}}},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "Bolt & Nut", .description = "VOID: 125.50 wrong payee"},
    {.number = "1236", .cleared = "Cleared", .amount = "0", .name = "Cole", .description = "VOID"},
    {.number = "1237", .date = "03/07/2024", .amount = "-0.375", .name = "Dee"},
};

// The address columns, of which the second is missing.
const std::vector<Check> onlyBill3 = {{.number = "1", .name = "Eve", .more = {{"Bill 3", "Town"}}}};

// An issued check, a void with its amount in the memo and a void without one.
const std::vector<Check> threeChecks = {fourChecks[0], fourChecks[1], fourChecks[2]};

// A cent to a payee with an apostrophe, and a void at the end of a leap year.
const std::vector<Check> tdBank = {
    {.number = "1001", .date = "02/01/2024", .amount = "-0.05", .name = "O'Brien & Sons"},
    {.number = "1002", .cleared = "Cleared", .date = "12/31/2024", .amount = "0.00",
     .name = "Acme Supply", .description = "VOID: 25.00"},
};

// A date total follows each run of one date; a run ends where the next table row carries another
// date text, and a run still open at the end of the table is closed too.
const std::vector<Check> dateRuns = {
    {.number = "1", .date = "03/05/2024", .amount = "-100.00"},
    {.number = "2", .date = "03/05/2024", .amount = "-250.00"},
    {.number = "3", .date = "03/06/2024", .amount = "-5.00"},
};
// The void is written but neither counted nor totalled; "3/8/2024" and "03/08/2024" are other
// texts, so they end a run although they are the same day.
const std::vector<Check> dateTexts = {
    {.number = "1", .date = "03/05/2024", .amount = "-100.00"},
    {.number = "2", .cleared = "Cleared", .date = "03/05/2024", .amount = "-1.00"},
    {.number = "3", .date = "03/05/2024", .amount = "-250.00"},
    {.number = "", .date = "03/06/2024", .amount = "900.00", .description = "Deposit"},
    {.number = "4", .cleared = "Cleared", .date = "03/07/2024", .amount = "0",
     .description = "VOID: 40.00"},
    {.number = "5", .date = "3/8/2024", .amount = "-10.00"},
    {.number = "6", .date = "03/08/2024", .amount = "-20.00"},
    {.number = "7", .cleared = "Cleared", .date = "03/08/2024", .amount = "-3.00"},
};

// A void to a payee of 85 characters: 40 "A", 40 "B", then "CCCCC".
const std::vector<Check> longPayee = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme Supply"},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0",
     .name = std::string(40, 'A') + std::string(40, 'B') + "CCCCC", .description = "Void"},
};

// An issued check; a cleared void with its amount in the memo, to a payee with an apostrophe, an
// ampersand, a comma, a point, a hash sign, a digit and an accented letter; an uncleared void
// without an amount; a cleared check and a deposit.
const std::vector<Check> punctuation = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,234.5", .name = "Acme Supply"},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "O'Brien & Sons, Inc. #2 Caf\xE9", .description = "VOID: 75.25 wrong payee"},
    {.number = "1236", .date = "03/07/2024", .amount = "0.00", .name = "Bolt & Nut",
     .description = "VOID"},
    {.number = "1237", .cleared = "Cleared", .date = "03/08/2024", .amount = "-20.00"},
    {.number = "", .date = "03/09/2024", .amount = "900.00", .description = "Deposit"},
};

// Every value too long for the comma-separated formats, and no readable date.
const std::vector<Check> tooLong = {{.number = "12345678901234", .date = "",
                                     .amount = "-12345678901.50", .name = std::string(60, 'P')}};

// An issued check to a long payee, a cleared void with its amount in the memo, a cleared check and
// a deposit.
const std::vector<Check> singleRecord = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,500.00",
     .name = "Acme Supply Company Inc"},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "Bolt & Nut", .description = "VOID: 75.25 wrong amount"},
    {.number = "1236", .cleared = "Cleared", .date = "03/07/2024", .amount = "-20.00",
     .name = "Cleared Co"},
    {.number = "", .date = "03/08/2024", .amount = "900.00", .description = "Deposit"},
};

// Every status Capital One knows, a void and an electronic payment.
const std::vector<Check> statuses = {
    {.number = "1", .cleared = "Uncleared", .amount = "-1.00"},
    {.number = "2", .cleared = "Pending", .amount = "-2.00"},
    {.number = "3", .cleared = "Cleared", .amount = "-3.00"},
    {.number = "4", .cleared = "", .amount = "-4.00"},
    {.number = "5", .cleared = "Cleared", .amount = "0", .description = "VOID: 5"},
    {.number = "EFT", .cleared = "Uncleared"},
};

// A date, an amount and an amount too long that cannot be read as they are.
const std::vector<Check> unreadable = {
    {.number = "1", .date = "not a date", .amount = "-1.00"},
    {.number = "2", .date = "03/05/2024", .amount = "lots"},
    {.number = "3", .date = "03/05/2024", .amount = "-123456789.00"}};

// An issued check, a void with its amount in the memo, a void without one, a cleared check and a
// deposit; the last two never qualify.
const std::vector<Check> wellsFargo = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme, Inc."},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "Bolt & Nut", .description = "VOID: 125.50 wrong payee"},
    {.number = "1236", .cleared = "Cleared", .amount = "0", .name = "Cole", .description = "VOID"},
    {.number = "1237", .cleared = "Cleared", .amount = "-20.00", .name = "Cleared Co"},
    {.number = "", .amount = "900.00", .description = "Deposit"},
};
const std::vector<Check> wellsFargoAscii = {
    wellsFargo[0], wellsFargo[1], {.number = "1236", .cleared = "Cleared", .amount = "-20.00"}};
const std::vector<Check> tooLongForWellsFargo = {
    {.number = "12345678901", .amount = "-123456789.12", .name = "A,B,C"}};
// ARP chooses cancel or void by the amount in cents, the CSV format by the void amount itself.
const std::vector<Check> voidBelowACent = {
    {.number = "7", .amount = "0", .name = "Z", .description = "VOID: 0.004"}};

const std::string cutDate = "Warning: check 12345678901234: unreadable date, written blank";
const std::string cutAmount = "Warning: check 12345678901234: amount too long for its field";
const std::vector<std::vector<std::string>> printAbc = {{"Full Name", "Print on Checks"},
                                                        {"Acme Supply", "Abc"}};

// Run on 05/20/2024: the end of the month and today stand in CitiDirect's status fields.
const DateTime may20{Date{2024, 5, 20}, 9, 30};

struct BankFileCase {
  std::string_view format;
  std::string name;  // the golden file tests/golden/<format>/<name>.txt
  const std::vector<Check>& checks;
  WriterInputs ids;
  int count;
  std::vector<std::string> warnings = {};
  std::vector<std::vector<std::string>> vendors = {};
};

void PrintTo(const BankFileCase& c, std::ostream* out) { *out << c.format << ", " << c.name; }

const WriterInputs citiIds{.accountId = "987654", .batchId = "B1", .now = may20};
const WriterInputs citiLongIds{
    .accountId = "12345678901234", .batchId = "BATCH-PLAN-77", .now = may20};
const WriterInputs nyMetro{.accountId = "987654", .remoteId = "Acme Holdings",
                           .bankCode = "001 - NYB - New York Metro"};
const WriterInputs shortCode{.accountId = "987654", .remoteId = "Acme Holdings", .bankCode = "12"};
const WriterInputs canada{
    .bankId = "1234567", .accountId = "12345", .remoteId = "ACME LTD", .batchId = "678"};
const WriterInputs allFour{
    .bankId = "BANK", .accountId = "987654", .remoteId = "REMOTE", .batchId = "BATCH"};
const WriterInputs letters{.accountId = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"};
const WriterInputs wfShort{.bankId = "123", .accountId = "987654", .remoteId = "abc12"};
const WriterInputs wfNc{.accountId = "987654", .bankCode = "0001 - NC"};
const WriterInputs wfShortCode{.accountId = "987654", .bankCode = "12"};

const BankFileCase bankFileCases[] = {
    // The remote ID of 100 characters keeps its first 91; the payee is the vendor's name on checks.
    {"Bank of America", "header-and-print-name",  bankOfAmerica,
     {.accountId = "987654", .remoteId = std::string(100, 'R'), .batchId = "7"}, 2, {}, printAbc},
    {"Bank of America - SMS Platform", "print-name", bankOfAmerica,
     {.accountId = "987654", .remoteId = std::string(100, 'R'), .batchId = "7"}, 2, {}, printAbc},
    // The void adds its void amount to the amount total and its number to the number total.
    {"Bank of America - DRS Platform", "totals", bankOfAmerica,
     {.accountId = "987654", .remoteId = std::string(100, 'R'), .batchId = "7"}, 2, {}, printAbc},
    // The check number total keeps its last ten digits; numbers round half to even.
    {"Bank of America - DRS Platform", "number-total-overflow", bigNumbers, {}, 2},
    {"Bank of America - DRS Platform", "numbers-rounded", halfNumbers, {}, 2,
     {"Warning: check 1001.5: check number is not all digits",
      "Warning: check 1002.5: check number is not all digits"}},
    {"Citibank - CitiDirect SDR", "issue-void-stop", citiDirect, citiIds, 3},
    {"Citibank - CitiDirect NA", "issue-void-stop", citiDirect, citiIds, 3},
    // Values cut to their fields and the delimiter removed from the payee.
    {"Citibank - CitiDirect SDR", "long-values", longValues, citiLongIds, 1,
     {"Warning: check 123456789012345: amount too long for its field"}},
    {"Citibank - CitiDirect NA", "long-values", longValues, citiLongIds, 1,
     {"Warning: check 123456789012345: amount too long for its field"}},
    // Citibank counts issued checks only, while the voids stand in the file.
    {"Citibank - Standard Positive Pay", "voids-not-counted", fourChecks, nyMetro, 2},
    // The bank code stands unfilled: a short one makes the records shorter.
    {"Citibank - Standard Positive Pay", "short-bank-code", fourChecks, shortCode, 2},
    // An issued and a void trailer, each with its count and total.
    {"HSBC", "two-trailers", fourChecks, nyMetro, 4},
    // The trailer carries today and the issued total.
    {"Comerica Bank", "trailer", fourChecks, nyMetro, 4},
    // A void is marked "2"; the records end in the address lines, blank where a column is missing.
    {"Webster Bank - NY", "address", fourChecks, nyMetro, 4},
    {"Webster Bank - NY", "missing-address-column", onlyBill3, nyMetro, 1},
    // Issued and void records; the trailer counts every record and totals the void amounts too. A
    // fresh store gives the file control number 1235.
    {"Royal Bank of Canada", "issue-and-void", threeChecks,
     {.bankId = "12345", .accountId = "1234567"}, 3},
    // A fresh store gives the file number 1000; the trailer totals the register amounts, so the
    // void adds nothing.
    {"TD Bank Canada CFP - 80 Byte", "first-file", tdBank, canada, 2},
    // Year and day of year, and the trailer "T"; a short bank ID is filled with zeros on the right.
    {"TD Bank ARP - Standard", "day-of-year", tdBank, {.bankId = "123456", .accountId = "987654"}, 2},
    {"TD Bank ARP - Standard", "short-bank-id", tdBank, {.bankId = "12"}, 2},
    {"Union Bank of California", "date-runs", dateRuns, {.bankId = "123", .accountId = "987654"}, 3},
    {"Union Bank of California", "date-texts", dateTexts, {.bankId = "123", .accountId = "987654"},
     4},
    {"First Midwest Bank - with Payee", "long-payee", longPayee, {.accountId = "987654"}, 2},
    {"First Midwest Bank - Traditional", "long-payee", longPayee, {.accountId = "987654"}, 2},
    // The payee in two fields of 40 with payee verification only, its last 5 characters dropped.
    {"SunTrust", "payee-verification", longPayee,
     {.accountId = "987654", .payeeVerification = true}, 2},
    {"SunTrust", "no-payee", longPayee, {.accountId = "987654"}, 2},
    // One line per check, each with the payee cleaner of its bank; Branch Banking takes uncleared
    // checks only and no void handling: the cleared void is left out and the uncleared one shows
    // its register amount.
    {"Branch Banking & Trust Company", "punctuation", punctuation, allFour, 2},
    {"Chase - CSV Format", "punctuation", punctuation, allFour, 3},
    {"JP Morgan - PWS Delimited/CSV", "punctuation", punctuation, allFour, 3},
    {"PNC Bank of Illinois", "punctuation", punctuation, allFour, 3},
    {"Citizens Bank - MI/OH/WI", "punctuation", punctuation, allFour, 3},
    {"American Bank - MD", "punctuation", punctuation, allFour, 3},
    {"Eastern Bank", "punctuation", punctuation, allFour, 3},
    {"Jonah Bank of Wyoming", "punctuation", punctuation, allFour, 3},
    // Long values are cut without fill, and a cut amount is warned.
    {"Branch Banking & Trust Company", "too-long", tooLong, letters, 1, {cutDate}},
    {"Chase - CSV Format", "too-long", tooLong, letters, 1, {cutDate, cutAmount}},
    {"JP Morgan - PWS Delimited/CSV", "too-long", tooLong, letters, 1, {cutDate, cutAmount}},
    {"PNC Bank of Illinois", "too-long", tooLong, letters, 1, {cutDate, cutAmount}},
    {"Citizens Bank - MI/OH/WI", "too-long", tooLong, letters, 1, {cutDate}},
    {"American Bank - MD", "too-long", tooLong, letters, 1, {cutDate, cutAmount}},
    {"Eastern Bank", "too-long", tooLong, letters, 1, {cutDate, cutAmount}},
    {"Jonah Bank of Wyoming", "too-long", tooLong, letters, 1, {cutDate}},
    {"Generic Bank Format", "issue-and-void", singleRecord,
     {.accountId = "987654", .remoteId = "ABC"}, 2},
    // The header is the remote ID cut, or blank.
    {"Generic Bank Format", "long-header", singleRecord, {.remoteId = std::string(95, 'R')}, 2},
    {"Generic Bank Format", "blank-header", singleRecord, {}, 2},
    // The payee cut to fifteen.
    {"Regions Bank", "issue-and-void", singleRecord, {.accountId = "987654"}, 2},
    // Unreadable cells and long amounts are written and warned.
    {"Regions Bank", "unreadable", unreadable, {}, 3,
     {"Warning: check 1: unreadable date, written blank",
      "Warning: check 2: unreadable amount, written as 0",
      "Warning: check 3: amount too long for its field"}},
    // The void carries its date twice, and the payee is the vendor's name on checks.
    {"Colorado Business Bank", "print-name", singleRecord, {.accountId = "987654"}, 2, {},
     {{"Full Name", "Print on Checks"}, {"Bolt & Nut", "Bolt and Nut Inc"}}},
    // Every numbered check, cleared or not, with its status.
    {"Capital One Bank", "statuses", statuses, {.accountId = "55"}, 5},
    // The three transaction codes, the trailer total leaving out the voids.
    {"Wells Fargo ARP - CSV", "codes", wellsFargo,
     {.bankId = "1234", .accountId = "987654", .remoteId = "abc12"}, 3},
    {"Wells Fargo ARP - Standard", "codes", wellsFargo,
     {.bankId = "121000248", .accountId = "987654", .remoteId = "abc12"}, 3},
    {"Wells Fargo ARP - Inbound Enhanced Standard", "codes", wellsFargo, wfShort, 3},
    // A three-digit bank ID stands unfilled in the second header, which is then shorter.
    {"Wells Fargo ARP - Standard", "short-bank-id", wellsFargo, wfShort, 3},
    {"Wells Fargo ARP - CSV", "too-long", tooLongForWellsFargo,
     {.bankId = "12345678901234", .accountId = std::string(30, '9') + "12345"}, 1,
     {"Warning: check 12345678901: amount too long for its field"}},
    {"Wells Fargo ARP - CSV", "void-below-a-cent", voidBelowACent, {.accountId = "987654"}, 1},
    {"Wells Fargo ARP - Inbound Enhanced Standard", "void-below-a-cent", voidBelowACent,
     {.accountId = "987654"}, 1},
    // A header with the count and the issued total, then 150-character details: Wells Fargo with
    // the payee in upper case at position 81, Wachovia with the payee twice, as returned.
    {"Wells Fargo ASCII", "issue-and-void", wellsFargoAscii, wfNc, 2},
    {"Wachovia", "issue-and-void", wellsFargoAscii, wfNc, 2},
    // A short bank code is filled by spaces in Wells Fargo ASCII, by zeros in Wachovia.
    {"Wells Fargo ASCII", "short-bank-code", wellsFargoAscii, wfShortCode, 2},
    {"Wachovia", "short-bank-code", wellsFargoAscii, wfShortCode, 2},
};

class BankFile : public ::testing::TestWithParam<BankFileCase> {};

TEST_P(BankFile, isWrittenByteForByteWithItsCountAndWarnings) {
  const BankFileCase& c = GetParam();
  const BankFormat* format = findBankFormat(c.format);
  ASSERT_NE(format, nullptr) << c.format;
  WriterFixture fixture(c.checks, c.vendors);
  fixture.inputs.bankId = c.ids.bankId;
  fixture.inputs.accountId = c.ids.accountId;
  fixture.inputs.remoteId = c.ids.remoteId;
  fixture.inputs.batchId = c.ids.batchId;
  fixture.inputs.bankCode = c.ids.bankCode;
  fixture.inputs.payeeVerification = c.ids.payeeVerification;
  if (c.ids.now != DateTime{}) fixture.inputs.now = c.ids.now;
  const testing::WrittenFile file = testing::writeBankFile(format->writer, fixture);
  EXPECT_TRUE(file.result.written) << file.result.failure;
  EXPECT_EQ(file.result.count, c.count);
  EXPECT_EQ(file.result.warnings, c.warnings);
  EXPECT_TRUE(testing::matchesGolden(file.bytes, goldenName(c.format, c.name)));
}

INSTANTIATE_TEST_SUITE_P(Cases, BankFile, ::testing::ValuesIn(bankFileCases),
                         [](const ::testing::TestParamInfo<BankFileCase>& info) {
                           return testing::testNameOf(info.param.format) + "_" +
                                  testing::testNameOf(info.param.name);
                         });

}  // namespace
}  // namespace ppexport

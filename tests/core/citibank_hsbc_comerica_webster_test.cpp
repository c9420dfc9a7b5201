#include <gtest/gtest.h>

#include "formats/bank_formats.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::GoldenFile;
using testing::sp;
using testing::writeBankFile;

// Two issued checks, a void with its amount in the memo and a void without one.
const std::vector<Check> register_ = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme, Inc.",
     .more = {{"Bill 2", "100 Main St"}, {"Bill 3", "Springfield IL 62701"}}},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "Bolt & Nut", .description = "VOID: 125.50 wrong payee"},
    {.number = "1236", .cleared = "Cleared", .amount = "0", .name = "Cole", .description = "VOID"},
    {.number = "1237", .date = "03/07/2024", .amount = "-0.375", .name = "Dee"},
};

const WriterInputs identifiers{.accountId = "987654", .remoteId = "Acme Holdings",
                               .bankCode = "001 - NYB - New York Metro"};

TEST(CitibankHsbcComericaWebster, goldenFiles) {
  const std::string hsbc = "987654" + sp(7);
  const std::string hsbcTrailer = "T" + hsbc + sp(5) + std::string(10, '0') + sp(5);
  const GoldenFile cases[] = {
      // Citibank counts issued checks only, while the voids stand in the file.
      {writeCitibankStandard, identifiers, 2,
       {"HAcme Holdings" + sp(17) + "20261205" + sp(41),
        "D0010000987654" + sp(8) + "00000012340000150000" "20240305" "Acme, Inc." + sp(20),
        "D0010000987654" + sp(7) + "V00000012350000012550" "20240306" "Bolt & Nut" + sp(20),
        "D0010000987654" + sp(7) + "V00000012360000000000" "20240305" "Cole" + sp(26),
        "D0010000987654" + sp(8) + "00000012370000000038" "20240307" "Dee" + sp(27),
        "T0010000987654" + sp(8) + "0000000002" "0000150038" + sp(38)},
       {"HAcme Holdings" + sp(17) + "20261205" + sp(41),
        "T0010000987654" + sp(8) + std::string(20, '0') + sp(38)}},
      // An issued and a void trailer, each with its count and total.
      {writeHsbc, identifiers, 4,
       {hsbc + "00000012340000150000" "03052024" " " "Acme, Inc." + sp(40 + 208),
        hsbc + "00000012350000012550" "03062024" "V" "Bolt & Nut" + sp(40 + 208),
        hsbc + "00000012360000000000" "03052024" "V" "Cole" + sp(46 + 208),
        hsbc + "00000012370000000038" "03072024" " " "Dee" + sp(47 + 208),
        "T" + hsbc + sp(5) + "0000000002" + sp(5) + "000000150038" + sp(254),
        "T" + hsbc + sp(5) + "0000000002" + sp(5) + "000000012550" "VOIDS" + sp(249)},
       {hsbcTrailer + std::string(12, '0') + sp(254),
        hsbcTrailer + std::string(12, '0') + "VOIDS" + sp(249)}},
      // Comerica's trailer carries today and the issued total.
      {writeComericaBank, identifiers, 4,
       {" 0000987654 030524 0000001234 0000150000" + sp(17) + "Acme, Inc." + sp(90),
        "V0000987654 030624 0000001235 0000012550" + sp(17) + "Bolt & Nut" + sp(90),
        "V0000987654 030524 0000001236 0000000000" + sp(17) + "Cole" + sp(96),
        " 0000987654 030724 0000001237 0000000038" + sp(17) + "Dee" + sp(97),
        "T0000987654 120526 0000000004 0000150038" + sp(117)},
       {"T0000987654 120526 0000000000 0000000000" + sp(117)}},
      // Webster marks a void "2" and ends in the address lines.
      {writeWebsterBank, identifiers, 4,
       {"00009876540000001234 000000150000030524Acme, Inc." + sp(40) + "100 Main St" + sp(39) +
            "Springfield IL 62701" + sp(30),
        "000098765400000012352000000012550030624Bolt & Nut" + sp(40 + 100),
        "000098765400000012362000000000000030524Cole" + sp(46 + 100),
        "00009876540000001237 000000000038030724Dee" + sp(47 + 100)}},
  };
  for (const GoldenFile& c : cases) EXPECT_TRUE(testing::writesGoldenFiles(register_, c));
}

// The bank code stands unfilled: a short one makes the records shorter.
TEST(CitibankStandard, aShortBankCodeShortensTheRecords) {
  WriterInputs shortCode = identifiers;
  shortCode.bankCode = "12";
  const auto lines = writeBankFile(writeCitibankStandard, register_, shortCode).lines;
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[1].substr(0, 13), "D120000987654");
  EXPECT_EQ(lines[1].size(), 79u);
  EXPECT_EQ(lines.back().size(), 79u);
}

TEST(WebsterBank, aMissingAddressColumnGivesBlanks) {
  const std::vector<Check> check{{.number = "1", .name = "Eve", .more = {{"Bill 3", "Town"}}}};
  EXPECT_EQ(writeBankFile(writeWebsterBank, check, identifiers).lines,
            std::vector<std::string>{"00009876540000000001 000000010000030524Eve" + sp(47 + 50) +
                                     "Town" + sp(46)});
}

}  // namespace
}  // namespace ppexport

#include <gtest/gtest.h>

#include "formats/bank_formats.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::linesAreLong;
using testing::sp;
using testing::WriterFixture;
using testing::writeBankFile;

// 85 characters: 40 "A", 40 "B", then "CCCCC".
const std::string longPayee = std::string(40, 'A') + std::string(40, 'B') + "CCCCC";

const std::vector<Check> register_ = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme Supply"},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0",
     .name = longPayee, .description = "Void"},
};

TEST(FirstMidwest, withPayeeAndTraditional) {
  struct Case {
    FormatWriter writer;
    std::size_t length;
    std::vector<std::string> lines;
  } cases[] = {
      {writeFirstMidwestWithPayee, 100,
       {"0000150000030520240000000012340000000009876540000000000Acme Supply" + sp(29) + "0" + sp(4),
        "0000000000030620240000000012350000000009876540000000000" + longPayee.substr(0, 40) + "3" +
            sp(4)}},
      {writeFirstMidwestTraditional, 80,
       {"C642000000987654 RA 00000012340000150000030524Acme Supply" + sp(9 + 14),
        "C642000000987654 VA 00000012350000000000030624" + std::string(20, 'A') + sp(14)}},
  };
  for (const Case& c : cases) {
    WriterFixture fixture(register_);
    fixture.inputs.accountId = "987654";
    auto file = writeBankFile(c.writer, fixture);
    EXPECT_EQ(file.result.count, 2);
    EXPECT_EQ(file.lines, c.lines);
    EXPECT_TRUE(linesAreLong(file.lines, c.length));
  }
}

TEST(SunTrust, payeeInTwoFieldsOnlyWithVerification) {
  struct Case {
    bool payeeVerification;
    std::string issuedPayee;  // positions 56-135
    std::string voidPayee;
  } cases[] = {
      {true, "Acme Supply" + sp(69), longPayee.substr(0, 80)},
      {false, sp(80), sp(80)},
  };
  for (const Case& c : cases) {
    WriterFixture fixture(register_);
    fixture.inputs.accountId = "987654";
    fixture.inputs.payeeVerification = c.payeeVerification;
    auto file = writeBankFile(writeSunTrust, fixture);
    EXPECT_EQ(file.result.count, 2);
    EXPECT_EQ(file.lines, (std::vector<std::string>{
                              "000000098765400000012340000150000030524" + sp(15) + " " +
                                  c.issuedPayee + sp(25),
                              "000000098765400000012350000000000030624" + sp(15) + "V" +
                                  c.voidPayee + sp(25)}));
    EXPECT_TRUE(linesAreLong(file.lines, 160));
  }
}

}  // namespace
}  // namespace ppexport

#include <gtest/gtest.h>

#include "formats/bank_formats.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::GoldenFile;
using testing::sp;

// 85 characters: 40 "A", 40 "B", then "CCCCC".
const std::string longPayee = std::string(40, 'A') + std::string(40, 'B') + "CCCCC";

const std::vector<Check> register_ = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme Supply"},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0",
     .name = longPayee, .description = "Void"},
};

TEST(FirstMidwestAndSunTrust, goldenFiles) {
  const std::string sunTrust = "000000098765400000012340000150000030524" + sp(15) + " ";
  const std::string sunTrustVoid = "000000098765400000012350000000000030624" + sp(15) + "V";
  const GoldenFile cases[] = {
      {writeFirstMidwestWithPayee, {.accountId = "987654"}, 2,
       {"0000150000030520240000000012340000000009876540000000000Acme Supply" + sp(29) + "0" + sp(4),
        "0000000000030620240000000012350000000009876540000000000" + longPayee.substr(0, 40) + "3" +
            sp(4)}},
      {writeFirstMidwestTraditional, {.accountId = "987654"}, 2,
       {"C642000000987654 RA 00000012340000150000030524Acme Supply" + sp(9 + 14),
        "C642000000987654 VA 00000012350000000000030624" + std::string(20, 'A') + sp(14)}},
      // The payee in two fields of 40 with payee verification only, its last 5 characters dropped.
      {writeSunTrust, {.accountId = "987654", .payeeVerification = true}, 2,
       {sunTrust + "Acme Supply" + sp(69 + 25), sunTrustVoid + longPayee.substr(0, 80) + sp(25)}},
      {writeSunTrust, {.accountId = "987654"}, 2,
       {sunTrust + sp(80 + 25), sunTrustVoid + sp(80 + 25)}},
  };
  for (const GoldenFile& c : cases) EXPECT_TRUE(testing::writesGoldenFiles(register_, c));
}

}  // namespace
}  // namespace ppexport

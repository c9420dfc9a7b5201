#include <gtest/gtest.h>

#include "create/bank_codes.h"
#include "create/bank_inputs.h"
#include "formats/bank_list.h"

namespace ppexport {
namespace {

TEST(BankCodes, threeFormatsOfferTheirListsAfterThePickEntry) {
  struct Case {
    std::string_view format;
    std::size_t entries;
    std::string_view second;
    std::string_view last;
  } cases[] = {
      {"Citibank - Standard Positive Pay", 12, "001 - NYB - New York Metro",
       "030 - CNJ - New Jersey"},
      {"Wells Fargo ASCII", 14, "0001 - NC", "0075 - PA, NY, NJ"},
      {"Wachovia", 12, "0001 - NC", "0075 - PA, NY, NJ"},
  };
  for (const Case& c : cases) {
    std::span<const std::string_view> codes = bankCodeList(c.format);
    ASSERT_EQ(codes.size(), c.entries) << c.format;
    EXPECT_EQ(codes.front(), "<pick a bank code>");
    EXPECT_EQ(codes[1], c.second);
    EXPECT_EQ(codes.back(), c.last);
  }
  // Wachovia has Tennessee on its own; Wells Fargo ASCII groups it with Texas.
  EXPECT_EQ(bankCodeList("Wachovia")[5], "0006 - TN");
  EXPECT_EQ(bankCodeList("Wells Fargo ASCII")[9], "0042 - MTZ (Mountain)");
}

TEST(BankCodes, exactlyTheFormatsWithABankCodeListHaveCodes) {
  for (const std::string& name : bankList(nullptr)) {
    const std::optional<BankInputs> inputs = bankInputs(name);
    ASSERT_TRUE(inputs.has_value()) << name;
    EXPECT_EQ(inputs->bankCodeList, !bankCodeList(name).empty()) << name;
  }
  EXPECT_TRUE(bankCodeList("wachovia").empty());
  EXPECT_TRUE(bankCodeList("Custom Format: Wachovia").empty());
}

}  // namespace
}  // namespace ppexport

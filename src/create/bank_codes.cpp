#include "create/bank_codes.h"

#include <array>

namespace ppexport {

namespace {
// Citibank's codes name its banking regions.
constexpr std::array<std::string_view, 12> citibankCodes{
    noBankCodeChosen,
    "001 - NYB - New York Metro",
    "002 - CCT - Connecticut",
    "003 - CITIBANK NA - Upstate NY",
    "006 - CPR - Puerto Rico",
    "007 - CMD - Maryland",
    "008 - CDC - Washington D.C.",
    "011 - CNV - Nevada",
    "013 - CCA - California & Nevada",
    "014 - CIL - Illinois",
    "016 - FSB - Florida",
    "030 - CNJ - New Jersey",
};

// Wells Fargo and Wachovia number their banks by state or region.
constexpr std::array<std::string_view, 14> wellsFargoAsciiCodes{
    noBankCodeChosen,
    "0001 - NC",
    "0003 - FL",
    "0004 - SC",
    "0005 - GA",
    "0007 - VA",
    "0014 - MD",
    "0020 - CT",
    "0028 - TX, TN, AL, MS",
    "0042 - MTZ (Mountain)",
    "0044 - PTZ (Pacific)",
    "0049 - DE",
    "0052 - DC",
    "0075 - PA, NY, NJ",
};

constexpr std::array<std::string_view, 12> wachoviaCodes{
    noBankCodeChosen,
    "0001 - NC",
    "0003 - FL",
    "0004 - SC",
    "0005 - GA",
    "0006 - TN",
    "0007 - VA",
    "0014 - MD",
    "0020 - CT",
    "0049 - DE",
    "0052 - DC",
    "0075 - PA, NY, NJ",
};
}  // namespace

std::span<const std::string_view> bankCodeList(std::string_view bankFormatName) {
  if (bankFormatName == "Citibank - Standard Positive Pay") return citibankCodes;
  if (bankFormatName == "Wells Fargo ASCII") return wellsFargoAsciiCodes;
  if (bankFormatName == "Wachovia") return wachoviaCodes;
  return {};
}

std::optional<std::string_view> bankCodeEntry(std::string_view bankFormatName,
                                              std::string_view text) {
  const std::span<const std::string_view> codes = bankCodeList(bankFormatName);
  if (text.empty() || codes.empty()) return std::nullopt;
  for (std::string_view entry : codes.subspan(1)) {
    if (entry == text || entry.substr(0, entry.find(' ')) == text) return entry;
  }
  return std::nullopt;
}

}  // namespace ppexport

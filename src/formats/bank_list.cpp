#include "formats/bank_list.h"

#include <array>

#include "custom/custom_format.h"
#include "formats/bank_formats.h"
#include "settings/settings_store.h"

namespace ppexport {

std::vector<std::string> bankList(SettingsStore* settings) {
  std::vector<std::string> entries;
  if (settings != nullptr) {
    for (const std::string& name : customFormatNames(*settings)) {
      entries.push_back(std::string(customFormatPrefix) + name);
    }
  }
  for (const BankFormat& format : builtInBankFormats()) entries.emplace_back(format.name);
  return entries;
}

namespace {
struct MergedBankRow {
  std::string_view name;
  MergedBank merged;
};

constexpr std::array<MergedBankRow, 12> mergedBanks{{
    {"Branch Banking & Trust Company",
     {"now part of Truist",
      "BB&T is now part of Truist: ask Truist whether it still takes this layout."}},
    {"Citizens Bank - MI/OH/WI",
     {"now part of Huntington",
      "Citizens Republic is now part of Huntington: ask Huntington whether it still takes this layout."}},
    {"Colorado Business Bank",
     {"now part of BOK Financial",
      "CoBiz is now part of BOK Financial: ask BOK Financial whether it still takes this layout."}},
    {"Comerica Bank",
     {"joining Fifth Third",
      "Comerica is joining Fifth Third: ask your bank whether it still takes this layout."}},
    {"First Midwest Bank - with Payee",
     {"now part of Old National",
      "First Midwest is now part of Old National: ask Old National whether it still takes this layout."}},
    {"First Midwest Bank - Traditional",
     {"now part of Old National",
      "First Midwest is now part of Old National: ask Old National whether it still takes this layout."}},
    {"Founders Bank & Trust - MI",
     {"now part of Old National",
      "Founders is now part of Old National: ask Old National whether it still takes this layout."}},
    {"HSBC",
     {"US branches sold",
      "HSBC sold its US branches to Citizens and Cathay: if your account moved, ask that bank."}},
    {"SunTrust",
     {"now part of Truist",
      "SunTrust is now part of Truist: ask Truist whether it still takes this layout."}},
    {"SunTrust - with Payee Name Verification",
     {"now part of Truist",
      "SunTrust is now part of Truist: ask Truist whether it still takes this layout."}},
    {"Union Bank of California",
     {"now part of U.S. Bank",
      "Union Bank is now part of U.S. Bank: ask U.S. Bank whether it still takes this layout."}},
    {"Wachovia",
     {"now part of Wells Fargo",
      "Wachovia is now part of Wells Fargo: ask Wells Fargo whether it still takes this layout."}},
}};
}  // namespace

std::optional<MergedBank> mergedBank(std::string_view bankListText) {
  for (const MergedBankRow& row : mergedBanks) {
    if (row.name == bankListText) return row.merged;
  }
  return std::nullopt;
}

}  // namespace ppexport

#include "formats/bank_list.h"

#include "formats/bank_formats.h"
#include "settings/settings_store.h"

namespace ppexport {

std::vector<std::string> bankList(SettingsStore* settings) {
  std::vector<std::string> entries;
  if (settings != nullptr) {
    // The key names the custom format; the entry is built from the stored value.
    for (const auto& [key, value] : settings->enumerate()) {
      if (key.starts_with(customFormatPrefix)) {
        entries.push_back(std::string(customFormatPrefix) + value);
      }
    }
  }
  for (const BankFormat& format : builtInBankFormats()) entries.emplace_back(format.name);
  return entries;
}

}  // namespace ppexport

#include "formats/bank_list.h"

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

}  // namespace ppexport

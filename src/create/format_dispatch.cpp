#include "create/format_dispatch.h"

#include "custom/custom_writers.h"
#include "formats/bank_formats.h"
#include "settings/settings_store.h"
#include "text/windows1252.h"

namespace ppexport {

std::optional<std::string> customFormatName(std::string_view bankListText) {
  if (!bankListText.starts_with(customFormatPrefix)) return std::nullopt;
  return std::string(trimSpaces(bankListText.substr(customFormatPrefix.size())));
}

bool writesCommaSeparated(std::string_view bankListText, SettingsStore* settings) {
  if (std::optional<std::string> name = customFormatName(bankListText)) {
    return settings == nullptr || getSetting(*settings, *name + "OptionCSV", "True").asBoolean();
  }
  return bankListText == "Chase - CSV Format" || bankListText == "JP Morgan - PWS Delimited/CSV" ||
         bankListText == "Wells Fargo ARP - CSV";
}

WriterResult runFormatWriter(std::string_view bankListText, WriterInputs inputs) {
  if (std::optional<std::string> name = customFormatName(bankListText)) {
    inputs.customFormatName = *name;
    return writesCommaSeparated(bankListText, inputs.settings) ? writeCustomCsv(inputs)
                                                               : writeCustomFixed(inputs);
  }
  if (const BankFormat* format = findBankFormat(bankListText)) return format->writer(inputs);
  WriterResult nothing;
  nothing.written = true;
  return nothing;
}

}  // namespace ppexport

#include "custom/custom_format.h"

#include <cstdint>

#include "formats/bank_formats.h"
#include "settings/settings_store.h"
#include "text/amounts.h"
#include "text/regional.h"

namespace ppexport {

namespace {
std::string key(std::string_view name, std::string_view suffix) {
  std::string text(name);
  text += suffix;
  return text;
}

std::string numbered(std::string_view suffix, std::size_t position) {
  return std::string(suffix) + std::to_string(position);
}
}  // namespace

std::optional<CustomField> customFieldNamed(std::string_view name) {
  for (std::size_t i = 0; i < customFieldCount; ++i) {
    if (customFieldNames[i] == name) return static_cast<CustomField>(i);
  }
  return std::nullopt;
}

CustomFormat loadCustomFormat(SettingsStore& store, std::string_view name,
                              CustomFormatDefaults defaults) {
  const bool editor = defaults == CustomFormatDefaults::Editor;
  CustomFormat format;
  format.name = std::string(name);
  for (std::size_t i = 0; i < customFieldCount; ++i) {
    format.fields[i] = getSetting(store, key(name, numbered("CustomField", i + 1)), "").text;
  }
  format.voidValue = getSetting(store, key(name, "isVoidValue"), editor ? "Yes" : "").text;
  format.dateFormat = getSetting(store, key(name, "dateFormat"), defaultDatePattern).text;
  const bool commaSeparated = getSetting(store, key(name, "OptionCSV"), "True").asBoolean();
  format.fixedLength = !commaSeparated;
  if (editor && getSetting(store, key(name, "OptionFixed"), "False").asBoolean()) {
    format.fixedLength = true;
  }
  for (std::size_t i = 0; i < customFieldCount; ++i) {
    format.lengths[i] =
        getSetting(store, key(name, numbered("FieldLength", i + 1)), editor ? "" : "0").text;
  }
  return format;
}

std::vector<std::string> customFormatKeys(std::string_view name) {
  std::vector<std::string> keys;
  keys.push_back(key(customFormatPrefix, name));
  for (std::size_t i = 1; i <= customFieldCount; ++i) {
    keys.push_back(key(name, numbered("CustomField", i)));
  }
  for (std::string_view suffix : {"isVoidValue", "dateFormat", "OptionCSV", "OptionFixed"}) {
    keys.push_back(key(name, suffix));
  }
  for (std::size_t i = 1; i <= customFieldCount; ++i) {
    keys.push_back(key(name, numbered("FieldLength", i)));
  }
  return keys;
}

std::vector<std::string> customFormatNames(SettingsStore& store) {
  std::vector<std::string> names;
  for (const auto& [storedKey, value] : store.enumerate()) {
    if (storedKey.starts_with(customFormatPrefix)) names.push_back(value);
  }
  return names;
}

bool customFormatExists(SettingsStore& store, std::string_view name) {
  return store.readSetting(key(customFormatPrefix, name)).has_value();
}

std::string proposedFormatName(SettingsStore& store) {
  const std::size_t stored = customFormatNames(store).size();
  if (stored == 0) return "Default";
  return "Default " + std::to_string(stored + 1);
}

std::size_t fieldLengthValue(std::string_view text) {
  const std::optional<double> number = regional().toNumber(text);
  if (!number) return 0;
  const std::optional<std::int64_t> whole = roundHalfEven(*number);
  if (!whole || *whole < 0 || *whole > INT32_MAX) return 0;
  return static_cast<std::size_t>(*whole);
}

}  // namespace ppexport

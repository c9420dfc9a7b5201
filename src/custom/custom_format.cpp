#include "custom/custom_format.h"

#include <algorithm>
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

constexpr std::string_view formatVersionSuffix = "FormatVersion";
constexpr std::string_view lineFieldsVersion = "2";

// Calls visit(key suffix, value) for every key of customLineKeys after the marker, in its order,
// with the member of line that the key holds.
template <class Format, class Visit>
void forEachLineValue(Format& format, Visit visit) {
  for (std::size_t i = 0; i < customFieldCount; ++i) {
    visit(numbered("FieldText", i + 1), format.detailExtras.texts[i]);
    visit(numbered("FieldFill", i + 1), format.detailExtras.fills[i]);
    visit(numbered("FieldSide", i + 1), format.detailExtras.sides[i]);
  }
  for (auto [prefix, line] : {std::pair{std::string_view("Header"), &format.header},
                              std::pair{std::string_view("Trailer"), &format.trailer}}) {
    const std::string start(prefix);
    for (std::size_t i = 0; i < customFieldCount; ++i) {
      visit(numbered(start + "Field", i + 1), line->fields[i]);
      visit(numbered(start + "Length", i + 1), line->lengths[i]);
      visit(numbered(start + "Text", i + 1), line->texts[i]);
      visit(numbered(start + "Fill", i + 1), line->fills[i]);
      visit(numbered(start + "Side", i + 1), line->sides[i]);
    }
  }
}
}  // namespace

bool CustomLine::empty() const {
  for (std::size_t i = 0; i < customFieldCount; ++i) {
    if (!fields[i].empty() || !lengths[i].empty() || !texts[i].empty() || !fills[i].empty() ||
        !sides[i].empty()) {
      return false;
    }
  }
  return true;
}

CustomLine CustomFormat::detail() const {
  CustomLine line = detailExtras;
  line.fields = fields;
  line.lengths = lengths;
  return line;
}

bool CustomFormat::usesLineFields() const {
  if (!header.empty() || !detailExtras.empty() || !trailer.empty()) return true;
  for (const std::string& field : fields) {
    // Every detail field beyond the eight check fields is a new one.
    if (!field.empty() && !customFieldNamed(field) &&
        std::find(detailFieldNames.begin(), detailFieldNames.end(), field) !=
            detailFieldNames.end()) {
      return true;
    }
  }
  return false;
}

std::optional<StatusCodes> statusCodesOf(std::string_view text) {
  std::vector<std::string> codes(1);
  for (char c : text) {
    if (c == '/') {
      codes.emplace_back();
    } else {
      codes.back() += c;
    }
  }
  if (codes.size() < 2 || codes.size() > 3) return std::nullopt;
  return StatusCodes{codes[0], codes[1], codes.size() == 3 ? codes[2] : codes[1]};
}

std::vector<std::string_view> lineFieldNames(CustomLineKind line) {
  if (line == CustomLineKind::Detail) return {detailFieldNames.begin(), detailFieldNames.end()};
  return {headerTrailerFieldNames.begin(), headerTrailerFieldNames.end()};
}

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
  // Only a format saved with header, trailer or constants holds the keys that describe them.
  format.lineFields = store.readSetting(key(name, formatVersionSuffix)).has_value();
  if (format.lineFields) {
    forEachLineValue(format, [&](const std::string& suffix, std::string& value) {
      value = getSetting(store, key(name, suffix), "").text;
    });
  }
  return format;
}

std::vector<std::string> customLineKeys(std::string_view name) {
  std::vector<std::string> keys{key(name, formatVersionSuffix)};
  CustomFormat none;
  forEachLineValue(none, [&](const std::string& suffix, const std::string&) {
    keys.push_back(key(name, suffix));
  });
  return keys;
}

std::vector<std::string> customLineValues(const CustomFormat& format) {
  std::vector<std::string> values{std::string(lineFieldsVersion)};
  forEachLineValue(format, [&](const std::string&, const std::string& value) {
    values.push_back(value);
  });
  return values;
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

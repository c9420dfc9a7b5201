#include "custom/custom_format_editor.h"

#include <cstdint>
#include <vector>

#include "formats/bank_formats.h"
#include "settings/settings_store.h"
#include "text/amounts.h"
#include "text/regional.h"
#include "text/windows1252.h"

namespace ppexport {

CustomFormat activateCustomFormatEditor(SettingsStore& store, std::string_view nameBoxText) {
  if (!nameBoxText.empty()) return loadCustomFormat(store, nameBoxText);
  return loadCustomFormat(store, proposedFormatName(store));
}

void validateField(CustomFormat& format, int position) {
  if (position < 1 || position > static_cast<int>(customFieldCount)) return;
  const auto index = static_cast<std::size_t>(position - 1);
  if (format.fields[index] == "Date") {
    format.lengths[index] = std::to_string(format.dateFormat.size());
  }
}

void validateLineField(CustomLine& line, int position, std::string_view dateFormat) {
  if (position < 1 || position > static_cast<int>(customFieldCount)) return;
  const auto index = static_cast<std::size_t>(position - 1);
  if (line.fields[index] == "File Date") {
    const std::string& pattern = line.texts[index];
    line.lengths[index] = std::to_string(pattern.empty() ? dateFormat.size() : pattern.size());
  }
}

void validateDateFormat(CustomFormat& format) {
  for (int position = 1; position <= static_cast<int>(customFieldCount); ++position) {
    validateField(format, position);
    validateLineField(format.header, position, format.dateFormat);
    validateLineField(format.trailer, position, format.dateFormat);
  }
}

std::string validateLength(std::string_view text) {
  const std::string_view trimmed = trimSpaces(text);
  const std::optional<double> number = regional().toNumber(trimmed);
  if (!number) return "";
  // The whole number must fit in 32 bits with its sign turned positive; a larger one is left for
  // the user to see as typed.
  const std::optional<std::int64_t> whole = roundHalfEven(*number);
  if (!whole || *whole <= INT32_MIN || *whole > INT32_MAX) return std::string(trimmed);
  const std::int64_t length = *whole < 0 ? -*whole : *whole;
  if (length == 0) return "";
  return std::to_string(length);
}

namespace {
bool anyField(const CustomFormat& format) {
  for (const std::string& field : format.fields) {
    if (!field.empty()) return true;
  }
  return false;
}

// A fixed-length file needs a length for every field it has; a constant is as long as its text
// when it has none.
bool everyFieldHasLength(const CustomLine& line) {
  for (std::size_t i = 0; i < customFieldCount; ++i) {
    if (line.fields[i].empty()) continue;
    if (line.fields[i] == constantFieldName && line.lengths[i].empty()) continue;
    if (line.lengths[i].empty() || !regional().isNumeric(line.lengths[i])) return false;
  }
  return true;
}

bool everyFillAndSideOffered(const CustomLine& line) {
  for (std::size_t i = 0; i < customFieldCount; ++i) {
    if (!line.fills[i].empty() && line.fills[i] != zerosFill && line.fills[i] != spacesFill) {
      return false;
    }
    if (!line.sides[i].empty() && line.sides[i] != leftSide && line.sides[i] != rightSide) {
      return false;
    }
  }
  return true;
}

std::string_view storedBoolean(bool value) { return value ? "True" : "False"; }
}  // namespace

namespace {
// A store that refused a write or a removal: the action, an empty line, and the store's reason.
EditorMessage storeFailureMessage(std::string_view action, SettingsStore& store) {
  std::string reason = store.lastError();
  if (reason.empty()) reason = "The settings store could not be changed.";
  return EditorMessage{"Could not " + std::string(action) + " the custom format.\r\n\r\n" + reason};
}
}  // namespace

std::optional<EditorMessage> refusedCustomFormat(CustomFormat& format) {
  validateDateFormat(format);
  // The bank list names a format by this prefix and the name: a name with the prefix in it would
  // read as another entry, and every key stored under it would be taken apart wrongly.
  const std::string_view trimmed = trimSpaces(format.name);
  if (trimmed.empty()) return EditorMessage{std::string(noNameMessage)};
  if (upperCase(trimmed.substr(0, 14)) == "CUSTOM FORMAT:") {
    return EditorMessage{std::string(prefixedNameMessage)};
  }
  if (!anyField(format)) return EditorMessage{std::string(noFieldMessage)};
  const CustomLine detail = format.detail();
  if (format.fixedLength && (!everyFieldHasLength(detail) || !everyFieldHasLength(format.header) ||
                             !everyFieldHasLength(format.trailer))) {
    return EditorMessage{std::string(missingLengthMessage)};
  }
  if (!everyFillAndSideOffered(detail) || !everyFillAndSideOffered(format.header) ||
      !everyFillAndSideOffered(format.trailer)) {
    return EditorMessage{std::string(fillSideMessage)};
  }
  for (std::size_t i = 0; i < customFieldCount; ++i) {
    if (detail.fields[i] == statusCodeFieldName && !statusCodesOf(detail.texts[i])) {
      return EditorMessage{std::string(statusCodeMessage)};
    }
  }
  return std::nullopt;
}

SaveResult saveCustomFormat(SettingsStore& store, CustomFormat& format) {
  SaveResult result;
  if (std::optional<EditorMessage> refused = refusedCustomFormat(format)) {
    result.message = *refused;
    return result;
  }
  const std::string name(trimSpaces(format.name));
  // The values in the order of customFormatKeys.
  std::vector<std::string_view> values;
  values.push_back(name);
  for (const std::string& field : format.fields) values.push_back(field);
  values.push_back(format.voidValue);
  values.push_back(format.dateFormat);
  values.push_back(storedBoolean(!format.fixedLength));
  values.push_back(storedBoolean(format.fixedLength));
  for (const std::string& length : format.lengths) values.push_back(length);

  std::vector<std::string> keys = customFormatKeys(name);
  // The header, trailer and constants are stored only where a format has them, beside the keys
  // every format has; a format without them loses any it had.
  const bool lineFields = format.usesLineFields();
  const std::vector<std::string> lineKeys = customLineKeys(name);
  const std::vector<std::string> lineValues = customLineValues(format);
  for (std::size_t i = 0; lineFields && i < lineKeys.size(); ++i) {
    if (lineValues[i].empty()) continue;
    keys.push_back(lineKeys[i]);
    values.push_back(lineValues[i]);
  }
  auto failed = [&] {
    // A key that cannot be written does not stop the others; the first failure is reported.
    if (result.outcome == SaveOutcome::StoreFailed) return;
    result.outcome = SaveOutcome::StoreFailed;
    result.message = storeFailureMessage("save", store);
  };
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (!store.saveSetting(keys[i], values[i])) failed();
  }
  for (std::size_t i = 0; i < lineKeys.size(); ++i) {
    if ((!lineFields || lineValues[i].empty()) && store.readSetting(lineKeys[i]) &&
        !store.deleteSetting(lineKeys[i])) {
      failed();
    }
  }
  if (result.outcome == SaveOutcome::StoreFailed) return result;
  result.outcome = SaveOutcome::Saved;
  result.bankListText = std::string(customFormatPrefix) + name;
  return result;
}

std::optional<EditorMessage> deleteCustomFormat(SettingsStore& store,
                                                std::string_view nameBoxText) {
  std::optional<EditorMessage> failure;
  for (const std::string& key : customFormatKeys(nameBoxText)) {
    if (!store.deleteSetting(key) && !failure) failure = storeFailureMessage("delete", store);
  }
  for (const std::string& key : customLineKeys(nameBoxText)) {
    if (store.readSetting(key) && !store.deleteSetting(key) && !failure) {
      failure = storeFailureMessage("delete", store);
    }
  }
  return failure;
}

}  // namespace ppexport

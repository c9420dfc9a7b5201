#include "custom/custom_format_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <nlohmann/json.hpp>
#include <tuple>
#include <vector>

#include "custom/custom_format_editor.h"
#include "formats/output_file.h"
#include "text/windows1252.h"

namespace ppexport {

namespace {
using Json = nlohmann::ordered_json;

// No bank line comes near this; the fixed-length writer refuses a longer field.
constexpr int longestField = 10000;

bool offers(CustomLineKind kind, std::string_view name) {
  const std::vector<std::string_view> names = lineFieldNames(kind);
  return std::find(names.begin(), names.end(), name) != names.end();
}

bool isDatePattern(std::string_view text) {
  return std::find(customDatePatterns.begin(), customDatePatterns.end(), text) !=
         customDatePatterns.end();
}

// The offered name that text spells, ignoring case; "" when none.
std::string offeredName(CustomLineKind kind, std::string_view text) {
  for (std::string_view name : lineFieldNames(kind)) {
    if (upperCase(name) == upperCase(text)) return std::string(name);
  }
  return {};
}

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// "zeros" and "Zeros" alike give the stored "Zeros"; "" for any other word.
std::string storedWord(std::string_view word, std::string_view first, std::string_view second) {
  for (std::string_view stored : {first, second}) {
    if (lowerCase(word) == lowerCase(stored)) return std::string(stored);
  }
  return {};
}

const std::pair<CustomLineKind, const char*> fileLines[] = {
    {CustomLineKind::Header, "header"},
    {CustomLineKind::Detail, "detail"},
    {CustomLineKind::Trailer, "trailer"}};

const CustomLine& lineOf(const CustomFormat& format, CustomLineKind kind, CustomLine& detail) {
  if (kind == CustomLineKind::Header) return format.header;
  if (kind == CustomLineKind::Trailer) return format.trailer;
  detail = format.detail();
  return detail;
}

// Reads one field object into position of line; the first thing wrong, or nothing.
std::optional<std::string> readField(const Json& field, CustomLineKind kind, bool fixedLength,
                                     CustomLine& line, std::size_t position) {
  if (!field.is_object()) return "is not an object";
  for (const auto& [member, value] : field.items()) {
    if (member != "field" && member != "length" && member != "text" && member != "fill" &&
        member != "side") {
      return "has an unknown member \"" + member + "\"";
    }
  }
  if (!field.contains("field") || !field["field"].is_string()) return "has no \"field\" name";
  const std::string name = utf8ToWindows1252(field["field"].get<std::string>());
  if (!offers(kind, name)) return "\"" + field["field"].get<std::string>() + "\" is no field of this line";
  line.fields[position] = name;
  if (field.contains("text")) {
    if (!field["text"].is_string()) return "has a \"text\" that is not a string";
    if (name != constantFieldName && name != "File Date" && name != statusCodeFieldName) {
      return "takes no \"text\"";
    }
    line.texts[position] = utf8ToWindows1252(field["text"].get<std::string>());
    if (name == "File Date" && !isDatePattern(line.texts[position])) {
      return "has a date pattern \"" + field["text"].get<std::string>() + "\" that is not offered";
    }
    if (name == statusCodeFieldName && !statusCodesOf(line.texts[position])) {
      return "has codes \"" + field["text"].get<std::string>() +
             "\" that are not two or three separated by \"/\"";
    }
  } else if (name == constantFieldName) {
    return "is a Constant without a \"text\"";
  } else if (name == statusCodeFieldName) {
    return "is a Status Code without its codes as \"text\"";
  }
  if (field.contains("length")) {
    const Json& length = field["length"];
    if (!length.is_number_integer() || length.get<long long>() < 1 ||
        length.get<long long>() > longestField) {
      return "has a \"length\" that is not a whole number from 1 to " +
             std::to_string(longestField);
    }
    line.lengths[position] = std::to_string(length.get<long long>());
  } else if (fixedLength && name != constantFieldName && name != "Date" && name != "File Date") {
    return "has no \"length\", which every fixed-length field needs";
  }
  for (auto [member, first, second, stored] :
       {std::tuple{"fill", zerosFill, spacesFill, &line.fills[position]},
        std::tuple{"side", leftSide, rightSide, &line.sides[position]}}) {
    if (!field.contains(member)) continue;
    const Json& value = field[member];
    *stored = value.is_string() ? storedWord(value.get<std::string>(), first, second) : "";
    if (stored->empty()) {
      return std::string("has a \"") + member + "\" that is not \"" + lowerCase(first) +
             "\" or \"" + lowerCase(second) + "\"";
    }
  }
  return std::nullopt;
}

std::optional<std::string> readLine(const Json& document, CustomLineKind kind, const char* name,
                                    CustomFormat& format) {
  CustomLine line;
  if (!document.contains(name)) {
    if (kind == CustomLineKind::Detail) return "there is no \"detail\" line";
    return std::nullopt;
  }
  const Json& fields = document[name];
  if (!fields.is_array()) return std::string("\"") + name + "\" is not a list of fields";
  if (fields.size() > customFieldCount) {
    return std::string("the ") + name + " line has more than " +
           std::to_string(customFieldCount) + " fields";
  }
  if (kind == CustomLineKind::Detail && fields.empty()) return "the detail line has no field";
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (std::optional<std::string> wrong = readField(fields[i], kind, format.fixedLength, line, i)) {
      return std::string(name) + " field " + std::to_string(i + 1) + " " + *wrong;
    }
  }
  if (kind == CustomLineKind::Header) format.header = line;
  if (kind == CustomLineKind::Trailer) format.trailer = line;
  if (kind == CustomLineKind::Detail) {
    format.fields = line.fields;
    format.lengths = line.lengths;
    format.detailExtras = line;
    format.detailExtras.fields = {};
    format.detailExtras.lengths = {};
  }
  return std::nullopt;
}

std::optional<std::string> readDocument(const Json& document, CustomFormat& format) {
  if (!document.is_object()) return "the file holds no custom format";
  for (const auto& [member, value] : document.items()) {
    static constexpr std::string_view known[] = {"version", "name", "output", "dateFormat",
                                                 "voidValue", "header", "detail", "trailer"};
    if (std::find(std::begin(known), std::end(known), member) == std::end(known)) {
      return "unknown member \"" + member + "\"";
    }
  }
  if (!document.contains("version") || !document["version"].is_number_integer()) {
    return "there is no \"version\" number";
  }
  if (document["version"].get<long long>() != customFormatFileVersion) {
    return "version " + document["version"].dump() + " is not known; this program reads version " +
           std::to_string(customFormatFileVersion);
  }
  if (!document.contains("name") || !document["name"].is_string()) return "there is no \"name\"";
  format.name = std::string(trimSpaces(utf8ToWindows1252(document["name"].get<std::string>())));
  const Json output = document.value("output", Json());
  if (output != "fixed" && output != "comma-separated") {
    return "\"output\" is not \"fixed\" or \"comma-separated\"";
  }
  format.fixedLength = output == "fixed";
  format.dateFormat = std::string(defaultDatePattern);
  if (document.contains("dateFormat")) {
    const Json& pattern = document["dateFormat"];
    if (!pattern.is_string() || !isDatePattern(pattern.get<std::string>())) {
      return "\"dateFormat\" is not one of the offered date patterns";
    }
    format.dateFormat = pattern.get<std::string>();
  }
  format.voidValue.clear();
  if (document.contains("voidValue")) {
    if (!document["voidValue"].is_string()) return "\"voidValue\" is not a string";
    format.voidValue = utf8ToWindows1252(document["voidValue"].get<std::string>());
  }
  for (const auto& [kind, name] : fileLines) {
    if (std::optional<std::string> wrong = readLine(document, kind, name, format)) return wrong;
  }
  format.lineFields = format.usesLineFields();
  // What the editor's Save refuses is refused here too, before anything is stored.
  CustomFormat checked = format;
  validateDateFormat(checked);
  format = checked;
  return std::nullopt;
}
}  // namespace

std::string customFormatFile(const CustomFormat& format) {
  Json document;
  document["version"] = customFormatFileVersion;
  document["name"] = windows1252ToUtf8(format.name);
  document["output"] = format.fixedLength ? "fixed" : "comma-separated";
  document["dateFormat"] = windows1252ToUtf8(format.dateFormat);
  document["voidValue"] = windows1252ToUtf8(format.voidValue);
  for (const auto& [kind, name] : fileLines) {
    CustomLine detail;
    const CustomLine& line = lineOf(format, kind, detail);
    Json fields = Json::array();
    for (std::size_t i = 0; i < customFieldCount; ++i) {
      // Only what adds to a line: a detail line saved before constants knows none.
      const bool known = offers(kind, line.fields[i]) &&
                         (format.lineFields || kind != CustomLineKind::Detail ||
                          customFieldNamed(line.fields[i]));
      if (!known) continue;
      Json field;
      field["field"] = windows1252ToUtf8(line.fields[i]);
      if (!line.texts[i].empty()) field["text"] = windows1252ToUtf8(line.texts[i]);
      if (const std::size_t length = fieldLengthValue(line.lengths[i]); length > 0) {
        field["length"] = length;
      }
      if (!line.fills[i].empty()) field["fill"] = lowerCase(line.fills[i]);
      if (!line.sides[i].empty()) field["side"] = lowerCase(line.sides[i]);
      fields.push_back(field);
    }
    if (!fields.empty() || kind == CustomLineKind::Detail) document[name] = fields;
  }
  return document.dump(2) + "\n";
}

CustomFormatFileRead readCustomFormatFile(std::string_view json) {
  CustomFormatFileRead read;
  const Json document = Json::parse(json, nullptr, false);
  if (document.is_discarded()) {
    read.error = "the file is not JSON";
    return read;
  }
  CustomFormat format;
  if (std::optional<std::string> wrong = readDocument(document, format)) {
    read.error = *wrong;
    return read;
  }
  read.format = std::move(format);
  return read;
}

CustomFormatFileRead readCustomFormatFileAt(const std::string& path) {
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  std::stringstream text;
  if (in.is_open()) text << in.rdbuf();
  if (!in.is_open() || in.bad()) {
    CustomFormatFileRead read;
    read.error = "the file cannot be read";
    return read;
  }
  return readCustomFormatFile(text.str());
}

std::string writeCustomFormatFileAt(const CustomFormat& format, const std::string& path) {
  OutputFile file(path);
  file.writeBytes(customFormatFile(format));
  if (file.commit()) return {};
  return file.failure().empty() ? "The file could not be written." : file.failure();
}

std::optional<std::string> setFieldFromDescription(CustomLine& line, CustomLineKind kind,
                                                   std::size_t position,
                                                   std::string_view description) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t colon = description.find(':', start);
    parts.emplace_back(description.substr(start, colon - start));
    if (colon == std::string_view::npos) break;
    start = colon + 1;
  }
  std::string name = offeredName(kind, parts[0]);
  if (name.empty()) return std::string(noSuchFieldReason);
  line.fields[position] = name;
  line.lengths[position].clear();
  line.texts[position].clear();
  line.fills[position].clear();
  line.sides[position].clear();
  std::size_t next = 1;
  if (name == constantFieldName) {
    if (parts.size() < 2) return "a Constant needs its text after a colon";
    line.texts[position] = parts[1];
    next = 2;
  } else if (name == statusCodeFieldName) {
    if (parts.size() < 2 || !statusCodesOf(parts[1])) {
      return "a Status Code needs its codes after a colon, as ISSUED/VOID[/VOID WITHOUT AMOUNT]";
    }
    line.texts[position] = parts[1];
    next = 2;
  } else if (name == "File Date" && parts.size() > 1 && isDatePattern(parts[1])) {
    line.texts[position] = parts[1];
    next = 2;
  }
  for (; next < parts.size(); ++next) {
    if (std::string fill = storedWord(parts[next], zerosFill, spacesFill); !fill.empty()) {
      line.fills[position] = fill;
    } else if (std::string side = storedWord(parts[next], leftSide, rightSide); !side.empty()) {
      line.sides[position] = side;
    } else {
      // As the editor's length box takes it: a number made whole and positive, else nothing.
      line.lengths[position] = validateLength(parts[next]);
    }
  }
  return std::nullopt;
}

std::string fieldDescription(const CustomLine& line, std::size_t position) {
  if (line.fields[position].empty()) return {};
  std::string text = line.fields[position];
  if (!line.texts[position].empty() || line.fields[position] == constantFieldName) {
    text += ":" + line.texts[position];
  }
  for (const std::string* part : {&line.lengths[position], &line.fills[position],
                                  &line.sides[position]}) {
    if (!part->empty()) text += ":" + lowerCase(*part);
  }
  return text;
}

}  // namespace ppexport

#include "history/history_entry.h"

#include <charconv>
#include <cstring>
#include <nlohmann/json.hpp>

#include "history/entry_layout.h"
#include "text/clock.h"
#include "text/windows1252.h"

namespace ppexport {

namespace {

using Json = nlohmann::json;

void appendNumber(std::string& out, std::int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

void appendDigits(std::string& out, int value, int width) {
  char digits[12];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const auto size = static_cast<int>(end - digits);
  if (size < width) out.append(static_cast<std::size_t>(width - size), '0');
  out.append(digits, end);
}

bool needsEscape(unsigned char byte) { return byte < 0x20 || byte == '"' || byte == '\\' || byte >= 0x80; }

// A JSON string of UTF-8 text; a byte that is not part of a well-formed character (a file name
// of this computer may hold one) becomes U+FFFD, so that the entry always reads back. Runs of
// plain characters are copied whole: an entry of 100,000 checks has half a million strings.
void appendString(std::string& out, std::string_view utf8) {
  out += '"';
  std::size_t plain = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (!needsEscape(byte)) {
      ++i;
      continue;
    }
    out.append(utf8.substr(plain, i - plain));
    if (byte >= 0x80) {
      const std::size_t length = utf8CharacterLength(utf8.substr(i));
      if (length == 0) {
        out += "\xEF\xBF\xBD";
        ++i;
      } else {
        out.append(utf8.substr(i, length));
        i += length;
      }
    } else if (byte < 0x20) {
      static constexpr char hex[] = "0123456789abcdef";
      out += "\\u00";
      out += hex[byte >> 4];
      out += hex[byte & 0xF];
      ++i;
    } else {
      out += '\\';
      out += static_cast<char>(byte);
      ++i;
    }
    plain = i;
  }
  out.append(utf8.substr(plain));
  out += '"';
}

void appendText(std::string& out, std::string_view windows1252) {
  for (char c : windows1252) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      appendString(out, windows1252ToUtf8(windows1252));
      return;
    }
  }
  appendString(out, windows1252);
}

void appendTotal(std::string& out, std::string_view key, const SentTotal& total) {
  out += ",\n  \"";
  out += key;
  out += "\": {\"count\": ";
  appendNumber(out, total.count);
  out += ", \"cents\": ";
  appendNumber(out, total.cents);
  out += '}';
}

std::string textOf(const Json& object, const char* key) {
  return utf8ToWindows1252(object.at(key).get<std::string>());
}

SentTotal totalOf(const Json& object, const char* key) {
  const Json& total = object.at(key);
  return SentTotal{total.at("count").get<int>(), total.at("cents").get<std::int64_t>()};
}

}  // namespace

std::string isoDate(const Date& date) {
  std::string text;
  appendDigits(text, date.year, 4);
  text += '-';
  appendDigits(text, date.month, 2);
  text += '-';
  appendDigits(text, date.day, 2);
  return text;
}

std::string isoDateTime(const DateTime& instant) {
  std::string text = isoDate(instant.date);
  text += 'T';
  appendDigits(text, instant.hour, 2);
  text += ':';
  appendDigits(text, instant.minute, 2);
  text += ':';
  appendDigits(text, instant.second, 2);
  return text;
}

std::optional<Date> parseIsoDate(std::string_view text) {
  Date date;
  if (text.size() != 10 || !readDigits(text, 0, 4, date.year) || text[4] != '-' ||
      !readDigits(text, 5, 2, date.month) || text[7] != '-' || !readDigits(text, 8, 2, date.day) ||
      !isValidDate(date)) {
    return std::nullopt;
  }
  return date;
}

std::optional<DateTime> parseIsoDateTime(std::string_view text) {
  DateTime instant;
  if (text.size() != 19 || text[10] != 'T') return std::nullopt;
  std::optional<Date> date = parseIsoDate(text.substr(0, 10));
  if (!date || !readDigits(text, 11, 2, instant.hour) || text[13] != ':' ||
      !readDigits(text, 14, 2, instant.minute) || text[16] != ':' ||
      !readDigits(text, 17, 2, instant.second) || instant.hour > 23 || instant.minute > 59 ||
      instant.second > 59) {
    return std::nullopt;
  }
  instant.date = *date;
  return instant;
}

std::string centsText(std::int64_t cents) {
  // The magnitude as unsigned, so that the most negative sum has one too.
  const bool negative = cents < 0;
  const std::uint64_t magnitude =
      negative ? ~static_cast<std::uint64_t>(cents) + 1 : static_cast<std::uint64_t>(cents);
  std::string text = negative ? "-" : "";
  text += std::to_string(magnitude / 100);
  text += '.';
  text += static_cast<char>('0' + magnitude % 100 / 10);
  text += static_cast<char>('0' + magnitude % 10);
  return text;
}

std::string storedFileName(std::string_view output) {
  const std::size_t slash = output.find_last_of("/\\");
  std::string name(slash == std::string_view::npos ? output : output.substr(slash + 1));
  if (name.empty()) return "_";
  std::string lower = name;
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  // Windows also takes a name with trailing dots or spaces for the name without them.
  while (!lower.empty() && (lower.back() == '.' || lower.back() == ' ')) lower.pop_back();
  if (lower == "entry.json" || lower.empty()) name.insert(0, "_");
  return name;
}

namespace {

// True when text goes into a JSON string as it is: printable ASCII without quote or backslash.
bool isPlain(std::string_view text) {
  for (char c : text) {
    if (needsEscape(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

// Four, two and two digits of a date that has them.
bool fitsIsoDate(const Date& date) {
  return date.year >= 0 && date.year <= 9999 && date.month >= 0 && date.month <= 99 &&
         date.day >= 0 && date.day <= 99;
}

char* putDigits(char* at, int value, int width) {
  for (int i = width - 1; i >= 0; --i, value /= 10) at[i] = static_cast<char>('0' + value % 10);
  return at + width;
}

// One check's object. The usual check, plain texts and a four-digit year, is put together in a
// buffer of its own: an entry of 100,000 checks is half a million values.
template <typename Check>
void appendCheck(std::string& out, const Check& check) {
  const std::string_view number = check.number;
  const std::string_view payee = check.payee;
  if (number.size() + payee.size() <= 160 && isPlain(number) && isPlain(payee) &&
      (!check.date || fitsIsoDate(*check.date))) {
    char line[256];
    char* at = line;
    const auto put = [&at](std::string_view text) {
      // An empty text may have no bytes at all to copy from (an empty payee, say).
      if (text.empty()) return;
      std::memcpy(at, text.data(), text.size());
      at += text.size();
    };
    put("{\"number\": \"");
    put(number);
    put("\", \"date\": \"");
    if (check.date) {
      at = putDigits(at, check.date->year, 4);
      *at++ = '-';
      at = putDigits(at, check.date->month, 2);
      *at++ = '-';
      at = putDigits(at, check.date->day, 2);
    }
    put("\", \"cents\": ");
    at = std::to_chars(at, at + 24, static_cast<std::int64_t>(check.cents)).ptr;
    put(", \"payee\": \"");
    put(payee);
    put(check.isVoid ? "\", \"void\": true}" : "\", \"void\": false}");
    out.append(line, at);
    return;
  }
  out += "{\"number\": ";
  appendText(out, number);
  out += ", \"date\": ";
  if (check.date) {
    out += '"';
    out += isoDate(*check.date);
    out += '"';
  } else {
    out += "\"\"";
  }
  out += ", \"cents\": ";
  appendNumber(out, check.cents);
  out += ", \"payee\": ";
  appendText(out, payee);
  out += check.isVoid ? ", \"void\": true}" : ", \"void\": false}";
}

// The checks of a recorded file (SentCheck) and of a file just written (WrittenCheck) have the
// same five values under the same names.
template <typename Check>
void writeJson(const HistoryEntry& entry, std::span<const Check> checks, std::string& out,
               const std::function<void(std::string&)>& flush) {
  constexpr std::size_t piece = 1 << 16;
  out += "{\n  \"version\": 1,\n  \"created\": ";
  appendString(out, isoDateTime(entry.created));
  out += ",\n  \"account\": ";
  appendText(out, entry.account);
  out += ",\n  \"bankFormat\": ";
  appendText(out, entry.bankFormat);
  if (!entry.source.empty()) {
    out += ",\n  \"source\": ";
    appendText(out, entry.source);
  }
  out += ",\n  \"output\": ";
  appendString(out, entry.output);
  out += ",\n  \"identifiers\": {\"bankId\": ";
  appendText(out, entry.identifiers.bankId);
  out += ", \"accountId\": ";
  appendText(out, entry.identifiers.accountId);
  out += ", \"remoteId\": ";
  appendText(out, entry.identifiers.remoteId);
  out += ", \"batchId\": ";
  appendText(out, entry.identifiers.batchId);
  out += ", \"bankCode\": ";
  appendText(out, entry.identifiers.bankCode);
  out += "},\n  \"count\": ";
  appendNumber(out, entry.count);
  appendTotal(out, "issued", entry.issued);
  appendTotal(out, "voided", entry.voided);
  out += ",\n  \"sha256\": ";
  appendString(out, entry.sha256);
  out += ",\n  \"checks\": [";
  bool first = true;
  for (const Check& check : checks) {
    out += first ? "\n    " : ",\n    ";
    first = false;
    appendCheck(out, check);
    if (flush && out.size() >= piece) flush(out);
  }
  out += first ? "]\n}\n" : "\n  ]\n}\n";
  if (flush) flush(out);
}

}  // namespace

std::string entryJson(const HistoryEntry& entry) {
  std::string out;
  out.reserve(512 + entry.checks.size() * 96);
  writeJson(entry, std::span<const SentCheck>(entry.checks), out, {});
  return out;
}

void writeEntryJson(const HistoryEntry& entry, std::span<const SentCheck> checks,
                    std::string& out, const std::function<void(std::string&)>& flush) {
  writeJson(entry, checks, out, flush);
}

void writeEntryJson(const HistoryEntry& entry, std::span<const WrittenCheck> checks,
                    std::string& out, const std::function<void(std::string&)>& flush) {
  writeJson(entry, checks, out, flush);
}

std::optional<HistoryEntry> parseEntryJson(std::string_view json, std::string id,
                                           std::string& problem) {
  if (std::optional<HistoryEntry> entry = readEntryLayout(json, id)) return entry;
  return parseEntryJsonGenerally(json, std::move(id), problem);
}

std::optional<HistoryEntry> parseEntryJsonGenerally(std::string_view json, std::string id,
                                                    std::string& problem) {
  const Json document = Json::parse(json, nullptr, false);
  if (document.is_discarded() || !document.is_object()) {
    problem = "entry.json is not a JSON object";
    return std::nullopt;
  }
  try {
    if (document.at("version").get<int>() != 1) {
      problem = "entry.json has a version this program does not know";
      return std::nullopt;
    }
    HistoryEntry entry;
    entry.id = std::move(id);
    const std::optional<DateTime> created =
        parseIsoDateTime(document.at("created").get<std::string>());
    if (!created) {
      problem = "entry.json has no valid creation time";
      return std::nullopt;
    }
    entry.created = *created;
    entry.account = textOf(document, "account");
    entry.bankFormat = textOf(document, "bankFormat");
    if (document.contains("source")) entry.source = textOf(document, "source");
    entry.output = document.at("output").get<std::string>();
    const Json& identifiers = document.at("identifiers");
    entry.identifiers = SentIdentifiers{textOf(identifiers, "bankId"),
                                        textOf(identifiers, "accountId"),
                                        textOf(identifiers, "remoteId"),
                                        textOf(identifiers, "batchId"),
                                        textOf(identifiers, "bankCode")};
    entry.count = document.at("count").get<int>();
    entry.issued = totalOf(document, "issued");
    entry.voided = totalOf(document, "voided");
    entry.sha256 = document.at("sha256").get<std::string>();
    const Json& checks = document.at("checks");
    entry.checks.reserve(checks.size());
    for (const Json& check : checks) {
      SentCheck sent;
      sent.number = textOf(check, "number");
      const std::string date = check.at("date").get<std::string>();
      if (!date.empty()) {
        sent.date = parseIsoDate(date);
        if (!sent.date) {
          problem = "entry.json has a check with an invalid date";
          return std::nullopt;
        }
      }
      sent.cents = check.at("cents").get<std::int64_t>();
      sent.payee = textOf(check, "payee");
      sent.isVoid = check.at("void").get<bool>();
      entry.checks.push_back(std::move(sent));
    }
    return entry;
  } catch (const Json::exception&) {
    problem = "entry.json lacks a value or holds one of the wrong kind";
    return std::nullopt;
  }
}

}  // namespace ppexport

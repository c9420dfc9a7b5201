#include "history/entry_layout.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "text/windows1252.h"

namespace ppexport {

// The length of the well-formed UTF-8 character at the start of text, or 0.
std::size_t utf8CharacterLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < low || byte > high) return 0;
    low = 0x80;
    high = 0xBF;
  }
  return length;
}

namespace {

// True when text is well-formed UTF-8, as a JSON reader demands of every string.
bool isWellFormedUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = utf8CharacterLength(text.substr(i));
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// Reads the text from the front; every step gives false when the text is not what the layout
// has there, and the whole entry is then left to the general reader.
class LayoutReader {
 public:
  explicit LayoutReader(std::string_view text) : text_(text) {}

  bool atEnd() {
    skipSpace();
    return position_ == text_.size();
  }

  // The punctuation c, after any white space.
  bool symbol(char c) {
    skipSpace();
    if (position_ == text_.size() || text_[position_] != c) return false;
    ++position_;
    return true;
  }

  // "name": with the white space JSON allows around it.
  bool key(std::string_view name) {
    skipSpace();
    if (text_.size() - position_ < name.size() + 2 || text_[position_] != '"' ||
        text_.compare(position_ + 1, name.size(), name) != 0 ||
        text_[position_ + 1 + name.size()] != '"') {
      return false;
    }
    position_ += name.size() + 2;
    return symbol(':');
  }

  // A string's UTF-8 content, its plain escapes undone.
  bool string(std::string& out) {
    out.clear();
    if (!symbol('"')) return false;
    bool beyondAscii = false;
    std::size_t run = position_;
    while (position_ < text_.size()) {
      const auto byte = static_cast<unsigned char>(text_[position_]);
      if (byte == '"') {
        out.append(text_.substr(run, position_ - run));
        ++position_;
        return !beyondAscii || isWellFormedUtf8(out);
      }
      if (byte < 0x20) return false;
      if (byte >= 0x80) beyondAscii = true;
      if (byte != '\\') {
        ++position_;
        continue;
      }
      out.append(text_.substr(run, position_ - run));
      if (!escape(out)) return false;
      run = position_;
    }
    return false;
  }

  // A string of Windows-1252 text, kept as UTF-8 in the file.
  bool text(std::string& out) {
    if (!string(out)) return false;
    for (char c : out) {
      if (static_cast<unsigned char>(c) >= 0x80) {
        out = utf8ToWindows1252(out);
        break;
      }
    }
    return true;
  }

  // A whole number written without fraction or exponent, within the range of value.
  template <typename Integer>
  bool integer(Integer& value) {
    skipSpace();
    const std::size_t start = position_;
    if (position_ < text_.size() && text_[position_] == '-') ++position_;
    const std::size_t digits = position_;
    while (position_ < text_.size() && text_[position_] >= '0' && text_[position_] <= '9') {
      ++position_;
    }
    // JSON writes no leading zeros, and a fraction or exponent makes another kind of number.
    if (position_ == digits || (text_[digits] == '0' && position_ - digits > 1)) return false;
    if (position_ < text_.size() &&
        (text_[position_] == '.' || text_[position_] == 'e' || text_[position_] == 'E')) {
      return false;
    }
    std::int64_t read = 0;
    const auto [end, error] = std::from_chars(text_.data() + start, text_.data() + position_, read);
    if (error != std::errc() || end != text_.data() + position_ ||
        read < std::numeric_limits<Integer>::min() || read > std::numeric_limits<Integer>::max()) {
      return false;
    }
    value = static_cast<Integer>(read);
    return true;
  }

  bool boolean(bool& value) {
    skipSpace();
    for (const bool candidate : {true, false}) {
      const std::string_view word = candidate ? "true" : "false";
      if (text_.compare(position_, word.size(), word) == 0) {
        position_ += word.size();
        value = candidate;
        return true;
      }
    }
    return false;
  }

 private:
  void skipSpace() {
    while (position_ < text_.size()) {
      const char c = text_[position_];
      if (c != ' ' && c != '\n' && c != '\r' && c != '\t') return;
      ++position_;
    }
  }

  // The escape at the reader's place: the plain ones, and \u for a character of ASCII. Others
  // are left to the general reader.
  bool escape(std::string& out) {
    if (text_.size() - position_ < 2) return false;
    const char kind = text_[position_ + 1];
    position_ += 2;
    switch (kind) {
      case '"': out += '"'; return true;
      case '\\': out += '\\'; return true;
      case '/': out += '/'; return true;
      case 'b': out += '\b'; return true;
      case 'f': out += '\f'; return true;
      case 'n': out += '\n'; return true;
      case 'r': out += '\r'; return true;
      case 't': out += '\t'; return true;
      case 'u': break;
      default: return false;
    }
    if (text_.size() - position_ < 4 || text_.compare(position_, 2, "00") != 0) return false;
    int value = 0;
    for (std::size_t i = position_ + 2; i < position_ + 4; ++i) {
      const char c = text_[i];
      int digit = 0;
      if (c >= '0' && c <= '9') {
        digit = c - '0';
      } else if (c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
      } else if (c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
      } else {
        return false;
      }
      value = value * 16 + digit;
    }
    if (value >= 0x80) return false;
    out += static_cast<char>(value);
    position_ += 4;
    return true;
  }

  std::string_view text_;
  std::size_t position_ = 0;
};

bool readTotal(LayoutReader& reader, std::string_view name, SentTotal& total) {
  return reader.symbol(',') && reader.key(name) && reader.symbol('{') &&
         reader.key("count") && reader.integer(total.count) && reader.symbol(',') &&
         reader.key("cents") && reader.integer(total.cents) && reader.symbol('}');
}

bool readCheck(LayoutReader& reader, SentCheck& check, std::string& scratch) {
  if (!reader.symbol('{') || !reader.key("number") || !reader.text(check.number) ||
      !reader.symbol(',') || !reader.key("date") || !reader.string(scratch)) {
    return false;
  }
  if (!scratch.empty()) {
    check.date = parseIsoDate(scratch);
    if (!check.date) return false;
  }
  return reader.symbol(',') && reader.key("cents") && reader.integer(check.cents) &&
         reader.symbol(',') && reader.key("payee") && reader.text(check.payee) &&
         reader.symbol(',') && reader.key("void") && reader.boolean(check.isVoid) &&
         reader.symbol('}');
}

}  // namespace

std::optional<HistoryEntry> readEntryLayout(std::string_view json, std::string id) {
  LayoutReader reader(json);
  HistoryEntry entry;
  entry.id = std::move(id);
  std::string scratch;
  int version = 0;
  if (!reader.symbol('{') || !reader.key("version") || !reader.integer(version) || version != 1 ||
      !reader.symbol(',') || !reader.key("created") || !reader.string(scratch)) {
    return std::nullopt;
  }
  const std::optional<DateTime> created = parseIsoDateTime(scratch);
  if (!created) return std::nullopt;
  entry.created = *created;
  SentIdentifiers& identifiers = entry.identifiers;
  if (!reader.symbol(',') || !reader.key("account") || !reader.text(entry.account) ||
      !reader.symbol(',') || !reader.key("bankFormat") || !reader.text(entry.bankFormat) ||
      !reader.symbol(',') ||
      // Entries written before the source was recorded have none.
      (reader.key("source") && (!reader.text(entry.source) || !reader.symbol(','))) ||
      !reader.key("output") || !reader.string(entry.output) ||
      !reader.symbol(',') || !reader.key("identifiers") || !reader.symbol('{') ||
      !reader.key("bankId") || !reader.text(identifiers.bankId) || !reader.symbol(',') ||
      !reader.key("accountId") || !reader.text(identifiers.accountId) || !reader.symbol(',') ||
      !reader.key("remoteId") || !reader.text(identifiers.remoteId) || !reader.symbol(',') ||
      !reader.key("batchId") || !reader.text(identifiers.batchId) || !reader.symbol(',') ||
      !reader.key("bankCode") || !reader.text(identifiers.bankCode) || !reader.symbol('}') ||
      !reader.symbol(',') || !reader.key("count") || !reader.integer(entry.count) ||
      !readTotal(reader, "issued", entry.issued) || !readTotal(reader, "voided", entry.voided) ||
      !reader.symbol(',') || !reader.key("sha256") || !reader.string(entry.sha256) ||
      !reader.symbol(',') || !reader.key("checks") || !reader.symbol('[')) {
    return std::nullopt;
  }
  // Seventy bytes a check at the least: room for all of them at once (their first touch is most
  // of what a large entry costs to read, hence row memory).
  entry.checks.reserve(json.size() / 70);
  if (!reader.symbol(']')) {
    do {
      SentCheck& check = entry.checks.emplace_back();
      if (!readCheck(reader, check, scratch)) return std::nullopt;
    } while (reader.symbol(','));
    if (!reader.symbol(']')) return std::nullopt;
  }
  if (!reader.symbol('}') || !reader.atEnd()) return std::nullopt;
  return entry;
}

}  // namespace ppexport

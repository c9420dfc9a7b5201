#include "formats/records.h"

#include <charconv>

#include "text/amounts.h"

namespace ppexport {

namespace {
// A non-negative number as exactly `digits` digits, with leading zeros.
void appendNumber(std::string& out, long value, int digits) {
  char buffer[24];
  for (int i = digits - 1; i >= 0; --i) {
    buffer[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  out.append(buffer, static_cast<std::size_t>(digits));
}

void appendClean(std::string& out, std::string_view value) {
  const std::size_t from = out.size();
  out.append(value);
  for (std::size_t i = from; i < out.size(); ++i) {
    const auto byte = static_cast<unsigned char>(out[i]);
    if (byte < 0x20 || byte == 0x7F) out[i] = ' ';
  }
}

// The value's last `width` characters after `width` fill characters put in front.
void appendRightAligned(std::string& out, std::string_view value, std::size_t width, char fill) {
  if (value.size() >= width) {
    appendClean(out, value.substr(value.size() - width));
  } else {
    out.append(width - value.size(), fill);
    appendClean(out, value);
  }
}

// The value's first `width` characters after `width` fill characters put behind it.
void appendLeftAligned(std::string& out, std::string_view value, std::size_t width, char fill) {
  const std::string_view kept = value.substr(0, width);
  appendClean(out, kept);
  out.append(width - kept.size(), fill);
}

// A whole number in plain digits, "-" in front when negative.
struct WholeNumberText {
  char digits[24];
  std::size_t size;
  explicit WholeNumberText(std::int64_t value) {
    size = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
  }
  std::string_view text() const { return {digits, size}; }
};
}  // namespace

std::string formatDate(const Date& date, std::string_view pattern) {
  std::string out;
  std::size_t i = 0;
  while (i < pattern.size()) {
    std::string_view rest = pattern.substr(i);
    if (rest.starts_with("YYYY")) {
      appendNumber(out, date.year % 10000, 4);
      i += 4;
    } else if (rest.starts_with("YY")) {
      appendNumber(out, date.year % 100, 2);
      i += 2;
    } else if (rest.starts_with("MM")) {
      appendNumber(out, date.month, 2);
      i += 2;
    } else if (rest.starts_with("DDD")) {
      appendNumber(out, dayOfYear(date), 3);
      i += 3;
    } else if (rest.starts_with("DD")) {
      appendNumber(out, date.day, 2);
      i += 2;
    } else {
      out.push_back(pattern[i]);
      ++i;
    }
  }
  return out;
}

std::size_t dateWidth(std::string_view pattern) {
  return formatDate(Date{2000, 1, 1}, pattern).size();
}

FixedRecord& FixedRecord::zeroFilled(std::string_view value, std::size_t width) {
  appendRightAligned(line_, value, width, '0');
  return *this;
}

FixedRecord& FixedRecord::zeroFilled(std::int64_t value, std::size_t width) {
  return zeroFilled(WholeNumberText(value).text(), width);
}

FixedRecord& FixedRecord::amount(std::int64_t cents, std::size_t width) {
  const WholeNumberText digits(cents);
  if (digits.size > width) amountTooLong_ = true;
  if (!writtenCents_) writtenCents_ = cents;
  return zeroFilled(digits.text(), width);
}

void FixedRecord::noteIdentifier(IdentifierText value, std::size_t width, bool zeroFilled,
                                 std::size_t start) {
  identifiers_.note(IdentifierField{value.identifier, value.text.size(), width, zeroFilled, start,
                                    line_.size() - start});
}

FixedRecord& FixedRecord::zeroFilled(IdentifierText value, std::size_t width) {
  const std::size_t start = line_.size();
  zeroFilled(value.text, width);
  noteIdentifier(value, width, true, start);
  return *this;
}

FixedRecord& FixedRecord::spaceFilled(IdentifierText value, std::size_t width) {
  const std::size_t start = line_.size();
  spaceFilled(value.text, width);
  noteIdentifier(value, width, false, start);
  return *this;
}

FixedRecord& FixedRecord::zeroFilledRight(IdentifierText value, std::size_t width) {
  const std::size_t start = line_.size();
  zeroFilledRight(value.text, width);
  noteIdentifier(value, width, true, start);
  return *this;
}

FixedRecord& FixedRecord::spaceFilledRight(IdentifierText value, std::size_t width) {
  const std::size_t start = line_.size();
  spaceFilledRight(value.text, width);
  noteIdentifier(value, width, false, start);
  return *this;
}

FixedRecord& FixedRecord::firstCharacters(IdentifierText value, std::size_t width) {
  const std::size_t start = line_.size();
  firstCharacters(value.text, width);
  noteIdentifier(value, width, false, start);
  return *this;
}

FixedRecord& FixedRecord::lastCharacters(IdentifierText value, std::size_t width) {
  const std::size_t start = line_.size();
  lastCharacters(value.text, width);
  noteIdentifier(value, width, false, start);
  return *this;
}

FixedRecord& FixedRecord::spaceFilled(std::string_view value, std::size_t width) {
  appendLeftAligned(line_, value, width, ' ');
  return *this;
}

FixedRecord& FixedRecord::zeroFilledRight(std::string_view value, std::size_t width) {
  appendLeftAligned(line_, value, width, '0');
  return *this;
}

FixedRecord& FixedRecord::spaceFilledRight(std::string_view value, std::size_t width) {
  appendRightAligned(line_, value, width, ' ');
  return *this;
}

FixedRecord& FixedRecord::firstCharacters(std::string_view value, std::size_t width) {
  appendClean(line_, value.substr(0, width));
  return *this;
}

FixedRecord& FixedRecord::lastCharacters(std::string_view value, std::size_t width) {
  appendClean(line_, value.substr(value.size() > width ? value.size() - width : 0));
  return *this;
}

FixedRecord& FixedRecord::date(const std::optional<Date>& date, std::string_view pattern) {
  if (date) {
    line_ += formatDate(*date, pattern);
  } else {
    line_.append(dateWidth(pattern), ' ');
  }
  return *this;
}

FixedRecord& FixedRecord::text(std::string_view constant) {
  appendClean(line_, constant);
  return *this;
}

FixedRecord& FixedRecord::spaces(std::size_t count) {
  line_.append(count, ' ');
  return *this;
}

FixedRecord& FixedRecord::zeros(std::size_t count) {
  line_.append(count, '0');
  return *this;
}

void DelimitedLine::separate() {
  if (fields_ > 0) line_.push_back(separator_);
  ++fields_;
}

DelimitedLine& DelimitedLine::field(std::string_view value, std::size_t maxWidth) {
  separate();
  appendClean(line_, value.substr(0, maxWidth));
  return *this;
}

DelimitedLine& DelimitedLine::amount(std::string_view formatted, std::size_t maxWidth) {
  if (formatted.size() > maxWidth) amountTooLong_ = true;
  double dollars = 0;
  const char* end = formatted.data() + formatted.size();
  if (!writtenCents_ && std::from_chars(formatted.data(), end, dollars).ptr == end) {
    writtenCents_ = amountInCents(dollars, 100);
  }
  return field(formatted.substr(0, maxWidth));
}

void DelimitedLine::noteIdentifier(IdentifierText value, std::size_t width, std::size_t start) {
  identifiers_.note(IdentifierField{value.identifier, value.text.size(), width, false, start,
                                    line_.size() - start});
}

std::string_view DelimitedLine::cleanNumber(IdentifierText value) {
  if (value.identifier != Identifier::CheckNumber ||
      value.text.find_first_of(std::string{separator_, '"'}) == std::string_view::npos) {
    return value.text;
  }
  cleanedNumber_ = without(without(value.text, separator_), '"');
  numberCleaned_ = true;
  return cleanedNumber_;
}

DelimitedLine& DelimitedLine::field(IdentifierText value, std::size_t maxWidth) {
  separate();
  const std::size_t start = line_.size();
  appendClean(line_, cleanNumber(value).substr(0, maxWidth));
  noteIdentifier(value, maxWidth, start);
  return *this;
}

DelimitedLine& DelimitedLine::lastCharacters(IdentifierText value, std::size_t count) {
  separate();
  const std::size_t start = line_.size();
  const std::string_view text = cleanNumber(value);
  appendClean(line_, text.size() > count ? text.substr(text.size() - count) : text);
  noteIdentifier(value, count, start);
  return *this;
}

DelimitedLine& DelimitedLine::date(const std::optional<Date>& date, std::string_view pattern) {
  return field(date ? formatDate(*date, pattern) : std::string());
}

DelimitedLine& DelimitedLine::lastCharacters(std::string_view value, std::size_t count) {
  return field(value.size() > count ? value.substr(value.size() - count) : value);
}

std::string without(std::string_view text, char character) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if (c != character) kept.push_back(c);
  }
  return kept;
}

}  // namespace ppexport

#include "formats/records.h"

#include <cstdio>

namespace ppexport {

namespace {
void appendNumber(std::string& out, long value, int digits) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%0*ld", digits, value);
  out += buffer;
}

void appendClean(std::string& out, std::string_view value) {
  for (char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    out.push_back(byte < 0x20 || byte == 0x7F ? ' ' : c);
  }
}
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
  std::string filled(width, '0');
  appendClean(filled, value);
  line_.append(filled, filled.size() - width, width);
  return *this;
}

FixedRecord& FixedRecord::zeroFilled(std::int64_t value, std::size_t width) {
  return zeroFilled(std::to_string(value), width);
}

FixedRecord& FixedRecord::amount(std::int64_t cents, std::size_t width) {
  const std::string digits = std::to_string(cents);
  if (digits.size() > width) amountTooLong_ = true;
  return zeroFilled(digits, width);
}

FixedRecord& FixedRecord::spaceFilled(std::string_view value, std::size_t width) {
  std::string filled;
  appendClean(filled, value.substr(0, width));
  filled.resize(width, ' ');
  line_ += filled;
  return *this;
}

FixedRecord& FixedRecord::zeroFilledRight(std::string_view value, std::size_t width) {
  std::string filled;
  appendClean(filled, value.substr(0, width));
  filled.resize(width, '0');
  line_ += filled;
  return *this;
}

FixedRecord& FixedRecord::spaceFilledRight(std::string_view value, std::size_t width) {
  std::string filled(width, ' ');
  appendClean(filled, value);
  line_.append(filled, filled.size() - width, width);
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
  return field(formatted.substr(0, maxWidth));
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

#include "text/clock.h"

#include <charconv>
#include <ctime>

namespace ppexport {

DateTime SystemClock::now() const {
  std::time_t seconds = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
  return DateTime{Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}, local.tm_hour,
                  local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec};
}

bool readDigits(std::string_view text, std::size_t position, std::size_t count, int& value) {
  if (position + count > text.size()) return false;
  for (std::size_t i = position; i < position + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  std::from_chars(text.data() + position, text.data() + position + count, value);
  return true;
}

std::optional<DateTime> parseIsoInstant(std::string_view text) {
  DateTime instant;
  if (text.size() != 10 && text.size() != 16) return std::nullopt;
  if (!readDigits(text, 0, 4, instant.date.year) || text[4] != '-' ||
      !readDigits(text, 5, 2, instant.date.month) || text[7] != '-' ||
      !readDigits(text, 8, 2, instant.date.day) || !isValidDate(instant.date)) {
    return std::nullopt;
  }
  if (text.size() == 16) {
    if (text[10] != 'T' || !readDigits(text, 11, 2, instant.hour) || text[13] != ':' ||
        !readDigits(text, 14, 2, instant.minute) || instant.hour > 23 || instant.minute > 59) {
      return std::nullopt;
    }
  }
  return instant;
}

}  // namespace ppexport

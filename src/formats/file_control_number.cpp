#include "formats/file_control_number.h"

#include <cmath>
#include <cstdint>

#include "settings/settings_store.h"

namespace ppexport {

namespace {
std::string lastCharacters(std::string text, std::size_t width) {
  return text.size() > width ? text.substr(text.size() - width) : text;
}
}  // namespace

std::string followingFileControlNumber(const std::optional<std::string>& stored, const Date& today,
                                       std::size_t width) {
  const std::string last = stored ? *stored : lastCharacters("1234", width);
  // Only a whole number of at least 0 goes on by one: a fraction or a sign would put a point or a
  // "-" into the bank's digits. Anything else starts again from today's day number.
  const std::optional<double> value = regional().toNumber(last);
  std::string next;
  if (value && *value >= 0 && *value < 1e15 && std::floor(*value) == *value) {
    next = std::to_string(static_cast<std::int64_t>(*value) + 1);
  } else {
    next = std::to_string(daysBetween(Date{1899, 12, 30}, today));
  }
  return lastCharacters(next, width);
}

std::optional<std::string> nextFileControlNumber(SettingsStore& store, const Date& today,
                                                 std::size_t width) {
  return store.readAndAdvance(lastFileControlNumberKey,
                              [&](const std::optional<std::string>& stored) {
                                return followingFileControlNumber(stored, today, width);
                              });
}

}  // namespace ppexport

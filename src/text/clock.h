#pragma once
// Where "today" and "now" come from. One reading per Create, so that every date in one bank file
// and its review file is the same instant.

#include <optional>
#include <string_view>

#include "text/regional.h"

namespace ppexport {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime now() const = 0;
};

// The computer's local time.
class SystemClock final : public Clock {
 public:
  DateTime now() const override;
};

// A clock that always shows the same instant: tests, and PPEXPORT_NOW / --now.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(DateTime instant) : instant_(instant) {}
  DateTime now() const override { return instant_; }

 private:
  DateTime instant_;
};

// Reads the count digits at position of text into value; false when one of them is not 0 to 9 or
// the text is too short.
bool readDigits(std::string_view text, std::size_t position, std::size_t count, int& value);

// Reads "YYYY-MM-DD" or "YYYY-MM-DDTHH:MM"; nothing when the text is neither or not a real day.
std::optional<DateTime> parseIsoInstant(std::string_view text);

}  // namespace ppexport

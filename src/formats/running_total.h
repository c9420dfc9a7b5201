#pragma once
// The control totals that header, trailer and date total records carry.

#include <cstdint>

namespace ppexport {

// A sum of whole numbers (amounts in cents, check numbers) for a control total. Every sum a check
// register can produce is exact; only a report with values near the 64-bit limit could go past
// it, and then the sum wraps around instead of overflowing, so no report can break the writer.
class RunningTotal {
 public:
  void add(std::int64_t value) {
    value_ = static_cast<std::int64_t>(static_cast<std::uint64_t>(value_) +
                                       static_cast<std::uint64_t>(value));
  }
  std::int64_t value() const { return value_; }

 private:
  std::int64_t value_ = 0;
};

}  // namespace ppexport

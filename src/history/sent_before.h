#pragma once
// What the history says about the checks of one account and bank format: which were sent before
// (the same check number, void flag and amount in cents), and which were sent with another amount
// or payee than they have now.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "history/history_entry.h"

namespace ppexport {

class SentBefore {
 public:
  SentBefore() = default;
  // The checks of those entries that were sent for account with bankFormat; entries newest first,
  // as the history reads them.
  SentBefore(const std::vector<HistoryEntry>& entries, std::string_view account,
             std::string_view bankFormat);

  // True when an earlier file carried a check of this number, void flag and amount. A void of a
  // check that was sent as issued is new.
  bool wasSent(std::string_view number, bool isVoid, std::int64_t cents) const;

  // "Warning: check 1001 was sent on 12/1/2026 with amount 12.50 to ACME; it is now 13.50 to
  // ACME" when the last file that carried this check number with this void flag had another
  // amount or payee; nothing otherwise.
  std::optional<std::string> changedAfterSending(std::string_view number, bool isVoid,
                                                 std::int64_t cents,
                                                 std::string_view payee) const;

 private:
  struct Sending {
    Date sentOn;
    std::int64_t cents = 0;
    std::string payee;
  };
  struct Sent {
    std::vector<std::pair<bool, std::int64_t>> amounts;  // void flag and cents of every sending
    std::array<std::optional<Sending>, 2> last;          // the newest, issued and void
  };
  std::unordered_map<std::string, Sent> checks_;
};

}  // namespace ppexport

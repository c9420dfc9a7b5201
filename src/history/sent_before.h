#pragma once
// What the history says about the checks of one account and bank format: which were sent before
// (the same check number, void flag and amount in cents), and which were sent with another amount
// or payee than they have now.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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
  static constexpr std::uint32_t none = 0xFFFFFFFF;
  struct Sending {
    Date sentOn;
    std::int64_t cents = 0;
    std::string payee;
  };
  // Every void flag and amount a check number was sent with, a list through amounts_.
  struct Amount {
    std::int64_t cents = 0;
    bool isVoid = false;
    std::uint32_t next = none;
  };
  struct Sent {
    std::string number;
    std::size_t hash = 0;
    std::uint32_t amounts = none;  // the first of its list in amounts_
    // Its newest sending in sendings_, issued and void.
    std::array<std::uint32_t, 2> last{none, none};
  };
  const Sent* find(std::string_view number) const;
  Sent& findOrAdd(std::string_view number);

  // The check numbers in one flat table (open addressing into sent_), so that an entry of
  // 100,000 checks is taken in with few allocations and looked up without chasing nodes.
  std::vector<Sent> sent_;
  std::vector<std::uint32_t> slots_;  // a power of two of them, at least twice sent_
  std::vector<Amount> amounts_;
  std::vector<Sending> sendings_;
};

}  // namespace ppexport

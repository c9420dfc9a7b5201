#include "history/sent_before.h"

#include <algorithm>

namespace ppexport {

SentBefore::SentBefore(const std::vector<HistoryEntry>& entries, std::string_view account,
                       std::string_view bankFormat) {
  // Oldest first, so that the last sending of a check is the one that stays.
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    if (entry->account != account || entry->bankFormat != bankFormat) continue;
    for (const SentCheck& check : entry->checks) {
      Sent& sent = checks_[check.number];
      const std::pair<bool, std::int64_t> amount{check.isVoid, check.cents};
      if (std::find(sent.amounts.begin(), sent.amounts.end(), amount) == sent.amounts.end()) {
        sent.amounts.push_back(amount);
      }
      sent.last[check.isVoid ? 1 : 0] = Sending{entry->created.date, check.cents, check.payee};
    }
  }
}

bool SentBefore::wasSent(std::string_view number, bool isVoid, std::int64_t cents) const {
  const auto found = checks_.find(std::string(number));
  if (found == checks_.end()) return false;
  const auto& amounts = found->second.amounts;
  return std::find(amounts.begin(), amounts.end(), std::pair{isVoid, cents}) != amounts.end();
}

std::optional<std::string> SentBefore::changedAfterSending(std::string_view number, bool isVoid,
                                                           std::int64_t cents,
                                                           std::string_view payee) const {
  const auto found = checks_.find(std::string(number));
  if (found == checks_.end()) return std::nullopt;
  const std::optional<Sending>& last = found->second.last[isVoid ? 1 : 0];
  if (!last || (last->cents == cents && last->payee == payee)) return std::nullopt;
  std::string line = "Warning: check ";
  line += number;
  line += " was sent on " + std::to_string(last->sentOn.month) + "/" +
          std::to_string(last->sentOn.day) + "/" + std::to_string(last->sentOn.year);
  line += " with amount " + centsText(last->cents) + " to " + last->payee;
  line += "; it is now " + centsText(cents) + " to ";
  line += payee;
  return line;
}

}  // namespace ppexport

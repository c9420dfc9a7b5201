#include "history/sent_before.h"

#include <functional>


namespace ppexport {

SentBefore::SentBefore(const std::vector<HistoryEntry>& entries, std::string_view account,
                       std::string_view bankFormat) {
  std::size_t count = 0;
  for (const HistoryEntry& entry : entries) {
    if (entry.account == account && entry.bankFormat == bankFormat) count += entry.checks.size();
  }
  std::size_t slots = 16;
  while (slots < 2 * count) slots *= 2;
  slots_.assign(slots, none);
  sent_.reserve(count);
  amounts_.reserve(count);
  sendings_.reserve(count);
  // Newest entry first, and within an entry from its last row: the first sending of a check met
  // is its last.
  for (const HistoryEntry& entry : entries) {
    if (entry.account != account || entry.bankFormat != bankFormat) continue;
    for (auto check = entry.checks.rbegin(); check != entry.checks.rend(); ++check) {
      Sent& sent = findOrAdd(check->number);
      bool known = false;
      for (std::uint32_t at = sent.amounts; at != none && !known; at = amounts_[at].next) {
        known = amounts_[at].isVoid == check->isVoid && amounts_[at].cents == check->cents;
      }
      if (!known) {
        amounts_.push_back(Amount{check->cents, check->isVoid, sent.amounts});
        sent.amounts = static_cast<std::uint32_t>(amounts_.size() - 1);
      }
      std::uint32_t& last = sent.last[check->isVoid ? 1 : 0];
      if (last == none) {
        sendings_.push_back(Sending{entry.created.date, check->cents, check->payee});
        last = static_cast<std::uint32_t>(sendings_.size() - 1);
      }
    }
  }
}

const SentBefore::Sent* SentBefore::find(std::string_view number) const {
  if (slots_.empty()) return nullptr;
  const std::size_t hash = std::hash<std::string_view>{}(number);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = hash & mask; slots_[slot] != none; slot = (slot + 1) & mask) {
    const Sent& sent = sent_[slots_[slot]];
    if (sent.hash == hash && sent.number == number) return &sent;
  }
  return nullptr;
}

// The table has room for every check number of the entries taken in, so a free slot is always
// found.
SentBefore::Sent& SentBefore::findOrAdd(std::string_view number) {
  const std::size_t hash = std::hash<std::string_view>{}(number);
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = hash & mask;
  for (; slots_[slot] != none; slot = (slot + 1) & mask) {
    Sent& sent = sent_[slots_[slot]];
    if (sent.hash == hash && sent.number == number) return sent;
  }
  slots_[slot] = static_cast<std::uint32_t>(sent_.size());
  Sent& added = sent_.emplace_back();
  added.number = number;
  added.hash = hash;
  return added;
}

bool SentBefore::wasSent(std::string_view number, bool isVoid, std::int64_t cents) const {
  const Sent* found = find(number);
  if (found == nullptr) return false;
  for (std::uint32_t at = found->amounts; at != none; at = amounts_[at].next) {
    if (amounts_[at].isVoid == isVoid && amounts_[at].cents == cents) return true;
  }
  return false;
}

std::optional<std::string> SentBefore::changedAfterSending(std::string_view number, bool isVoid,
                                                           std::int64_t cents,
                                                           std::string_view payee) const {
  const Sent* found = find(number);
  if (found == nullptr) return std::nullopt;
  const std::uint32_t at = found->last[isVoid ? 1 : 0];
  if (at == none) return std::nullopt;
  const Sending& last = sendings_[at];
  if (last.cents == cents && last.payee == payee) return std::nullopt;
  std::string line = "Warning: check ";
  line += number;
  line += " was sent on " + std::to_string(last.sentOn.month) + "/" +
          std::to_string(last.sentOn.day) + "/" + std::to_string(last.sentOn.year);
  line += " with amount " + centsText(last.cents) + " to " + last.payee;
  line += "; it is now " + centsText(cents) + " to ";
  line += payee;
  return line;
}

}  // namespace ppexport

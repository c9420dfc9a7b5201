#pragma once
// The history's part in one Create or conversion: read once before the bank file is written, it
// says which rows were sent before (to leave out when only new checks are asked for) and which
// were sent with another amount or payee; once the file is written, it records it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/history_entry.h"
#include "history/sent_before.h"

namespace ppexport {

struct SendingRequest {
  std::string folder;      // the history (UTF-8); "" keeps none and leaves nothing out
  bool record = true;      // false: the file is not recorded (the history is still read)
  bool newOnly = false;    // leave out the rows sent before
  std::string account;     // Windows-1252; "" for a conversion without an account
  std::string bankFormat;  // Windows-1252
};

class Sending {
 public:
  // Reads every entry of the history once.
  explicit Sending(SendingRequest request);

  // True when only new checks are asked for and an earlier file of the account and bank format
  // carried this check with the same void flag and amount.
  bool leavesOut(std::string_view number, bool isVoid, std::int64_t cents) const;

  // The warning for a written row sent earlier with another amount or payee.
  std::optional<std::string> changedAfterSending(const SentCheck& check) const {
    return sentBefore_.changedAfterSending(check.number, check.isVoid, check.cents, check.payee);
  }

  // The history folders that could not be read, as warning lines.
  const std::vector<std::string>& readWarnings() const { return readWarnings_; }

  // Records the bank file written at entry.output (the path as the writer took it), with entry's
  // values; the path is kept absolute. Nothing when it was recorded or no history is kept, else
  // the warning line "Warning: the file was not recorded in the history: <reason>".
  std::optional<std::string> record(HistoryEntry entry) const;

 private:
  SendingRequest request_;
  SentBefore sentBefore_;
  std::vector<std::string> readWarnings_;
};

inline constexpr std::string_view notRecordedWarning =
    "Warning: the file was not recorded in the history: ";
inline constexpr std::string_view noNewChecksMessage = "No checks that were not sent before.";

}  // namespace ppexport

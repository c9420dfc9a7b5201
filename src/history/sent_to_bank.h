#pragma once
// The sendings of a recorded file to the bank, kept as "sent.json" in the entry's folder beside
// entry.json and the file's bytes, which are never written again: sent.json is replaced whole
// (written beside it and renamed into place), so a reader finds the old list or the new one.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/history_entry.h"

namespace ppexport {

inline constexpr std::string_view sentFileName = "sent.json";

// The sendings recorded in the entry folder entryFolder (UTF-8); an entry never sent has none.
// Nothing when sent.json is there but cannot be read (why, in problem).
std::optional<std::vector<SentToBank>> readSentToBank(const std::string& entryFolder,
                                                      std::string& problem);

// sent.json's text for a list of sendings.
std::string sentToBankJson(const std::vector<SentToBank>& sent);

// Adds sending to entry id of the history in folder. "" when recorded, else why not.
std::string recordSentToBank(const std::string& folder, std::string_view id,
                             const SentToBank& sending);

}  // namespace ppexport

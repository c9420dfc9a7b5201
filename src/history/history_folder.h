#pragma once
// The history of sent bank files: plain folders that a user can read and back up, one per entry,
// each holding the bank file's exact bytes under its own name and "entry.json". An entry is made
// whole in a temporary folder beside the others and renamed into place, so a reader finds it
// complete or not at all; readers leave out temporary and unreadable folders with a warning.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/entry_writer.h"
#include "history/history_entry.h"

namespace ppexport {

struct HistoryLocation {
  std::string folder;  // UTF-8; "" when none can be named
  std::string error;   // why not
};

// explicitFolder (--history) when given, else PPEXPORT_HISTORY, else the user's own: on Windows
// %LOCALAPPDATA%\ppexport\History, elsewhere $XDG_DATA_HOME/ppexport/history
// (~/.local/share/ppexport/history by default).
HistoryLocation historyLocation(std::string_view explicitFolder);

// True for a name of the form "20261206-231502-0001".
bool isEntryId(std::string_view name);

struct HistoryReading {
  std::vector<HistoryEntry> entries;  // newest first
  std::vector<std::string> warnings;  // "Warning: ..." for each folder left out
};

// Every entry in folder, each read once. A folder that does not exist yet is an empty history.
HistoryReading readHistory(const std::string& folder);

// The entry id; nothing when there is none of that id or it cannot be read (why, in problem).
std::optional<HistoryEntry> readHistoryEntry(const std::string& folder, std::string_view id,
                                             std::string& problem);

// The bytes the entry keeps of its bank file, checked against its SHA-256; nothing when they
// cannot be read or are not the bytes that were recorded (why, in problem).
std::optional<std::string> readRecordedBytes(const std::string& folder, const HistoryEntry& entry,
                                             std::string& problem);

// Records a bank file: entry (its id and sha256 are set here) and bytes, the file's content.
// Either the whole entry is in folder afterwards or nothing of it is.
RecordResult recordEntry(const std::string& folder, HistoryEntry entry, std::string_view bytes);

// The same for a bank file just written: its bytes copied from bankFile (UTF-8 name), its checks
// given apart from entry.
RecordResult recordWrittenFile(const std::string& folder, HistoryEntry entry,
                               std::span<const WrittenCheck> checks,
                               const std::string& bankFile);

}  // namespace ppexport

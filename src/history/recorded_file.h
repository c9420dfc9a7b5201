#pragma once
// A recorded bank file against the world: written again byte for byte, or compared with the file
// that now stands at the path it was written to.

#include <string>
#include <vector>

#include "history/history_entry.h"

namespace ppexport {

// Writes the recorded bytes of entry (in the history in folder) to target, whole or not at all.
// "" when done, else why not.
std::string exportRecordedFile(const std::string& folder, const HistoryEntry& entry,
                               const std::string& target);

struct RecordedFileCheck {
  bool same = false;
  std::vector<std::string> differences;  // what differs, one sentence each
};

// Whether the file at the entry's output path still holds the recorded bytes.
RecordedFileCheck checkRecordedFile(const std::string& folder, const HistoryEntry& entry);

}  // namespace ppexport

#pragma once
// A quick reader of entry.json for the layout this program writes: the values in the order they
// are written, strings without escapes beyond the plain ones, whole numbers. An entry of 100,000
// checks reads in a few tens of milliseconds this way, where a general JSON reader takes ten times
// as long. Anything else (a file edited by hand, damaged, or of another version) is left to the
// general reader, which says what is wrong with it.

#include <optional>
#include <string>
#include <string_view>

#include "history/history_entry.h"

namespace ppexport {

// The entry json describes, with id, when json is written in that layout and every value in it
// is sound; nothing otherwise.
std::optional<HistoryEntry> readEntryLayout(std::string_view json, std::string id);

// The length of the well-formed UTF-8 character at the start of text, or 0 (also for "").
std::size_t utf8CharacterLength(std::string_view text);

}  // namespace ppexport

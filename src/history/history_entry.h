#pragma once
// One bank file as it was sent: when, for which account and bank format, with which identifiers,
// its totals and its checks. Kept as "entry.json" beside a copy of the file's exact bytes.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/written_checks.h"
#include "quickbooks/row_memory.h"
#include "text/regional.h"

namespace ppexport {

// One detail row of a recorded file.
struct SentCheck {
  std::string number;         // the check number, exactly as the check table held it
  std::optional<Date> date;   // nothing when the row's date could not be read
  std::int64_t cents = 0;     // the amount written for it
  std::string payee;          // Windows-1252
  bool isVoid = false;
};

struct SentTotal {
  int count = 0;
  std::int64_t cents = 0;
};

// The identifiers as they were typed, Windows-1252.
struct SentIdentifiers {
  std::string bankId;
  std::string accountId;
  std::string remoteId;
  std::string batchId;
  std::string bankCode;
};

// One sending of the file to the bank's server, kept in "sent.json" beside entry.json.
struct SentToBank {
  DateTime time;            // the clock reading when the server confirmed the file
  std::string host;         // the bank's server
  std::string remotePath;   // where the file stands on it, "/incoming/pp.txt"
  std::string result;       // what was confirmed: "sent, 1234 bytes on the server"
};

struct HistoryEntry {
  std::string id;              // the entry's folder name, "20261206-231502-0001"
  DateTime created;            // the clock reading of the Create or conversion
  std::string account;         // QuickBooks bank account, Windows-1252; "" when none was named
  std::string bankFormat;      // bank format name, Windows-1252
  // Where the checks came from: "QuickBooks", "company file PATH" or "register file PATH"
  // (Windows-1252); "" in entries written before the source was recorded.
  std::string source;
  std::string output;          // the bank file's path as it was written (UTF-8)
  SentIdentifiers identifiers;
  int count = 0;               // the count the format reported
  SentTotal issued;
  SentTotal voided;
  std::string sha256;          // of the file's bytes, lower-case hexadecimal
  // In file order. Every entry of the history is held at once, so the list takes large pages of
  // its own only when it is large.
  RowVector<SentCheck, kKeptRowMemoryOwnFrom> checks;
  // Every sending to the bank, oldest first; empty while the file was never sent.
  std::vector<SentToBank> sent;
};

// entry.json of an entry (UTF-8), written directly: a file of 100,000 checks is recorded in a
// small fraction of the time its conversion takes.
std::string entryJson(const HistoryEntry& entry);
// The same with checks in place of entry.checks, put together in out and handed to flush (which
// empties out) piece by piece, so that a large file never needs the whole text in memory.
void writeEntryJson(const HistoryEntry& entry, std::span<const SentCheck> checks,
                    std::string& out, const std::function<void(std::string&)>& flush);
void writeEntryJson(const HistoryEntry& entry, std::span<const WrittenCheck> checks,
                    std::string& out, const std::function<void(std::string&)>& flush);

// The entry that json describes, with id; nothing when it is not such a description (why, in
// problem). The layout this program writes is read directly; anything else by a general JSON
// reader.
std::optional<HistoryEntry> parseEntryJson(std::string_view json, std::string id,
                                           std::string& problem);
// The same, always by the general JSON reader.
std::optional<HistoryEntry> parseEntryJsonGenerally(std::string_view json, std::string id,
                                                    std::string& problem);

// The name under which an entry keeps the bank file's bytes: the file's own name (after its last
// "/" or "\"), with a "_" in front where that name would be taken for "entry.json".
std::string storedFileName(std::string_view output);

// "YYYY-MM-DDTHH:MM:SS" and back.
std::string isoDateTime(const DateTime& instant);
std::optional<DateTime> parseIsoDateTime(std::string_view text);
// "YYYY-MM-DD" and back.
std::string isoDate(const Date& date);
std::optional<Date> parseIsoDate(std::string_view text);

// A sum of cents in the "0.00" form, "-" for a negative sum, no thousands separators.
std::string centsText(std::int64_t cents);

}  // namespace ppexport

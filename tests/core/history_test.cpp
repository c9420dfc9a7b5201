#include <gtest/gtest.h>

#include <chrono>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/bank_formats.h"
#include "formats/output_file.h"
#include "history/entry_layout.h"
#include "history/history_folder.h"
#include "history/recorded_file.h"
#include "history/sending.h"
#include "history/sent_before.h"
#include "history/sha256.h"
#include "support/reports.h"
#include "support/scoped_variable.h"
#include "support/temp_folder.h"
#include "text/file_names.h"

namespace ppexport {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& item : std::filesystem::directory_iterator(filePath(folder))) {
    names.push_back(fileName(item.path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

HistoryEntry sampleEntry(DateTime created, std::string account = "Checking",
                         std::string bankFormat = "Generic Bank Format") {
  HistoryEntry entry;
  entry.created = created;
  entry.account = std::move(account);
  entry.bankFormat = std::move(bankFormat);
  entry.output = "/home/ann/Documents/PositivePayExport.txt";
  entry.identifiers = {"021000021", "4417829035", "HARBORVIEW", "B7", "<pick a bank code>"};
  entry.count = 2;
  entry.issued = {1, 123450};
  entry.voided = {1, 5000};
  entry.checks = {{"1001", Date{2026, 12, 1}, 123450, "ACME Supply", false},
                  {"1002", std::nullopt, 5000, "Caf\xE9 \"Nord\"\tLtd", true}};
  return entry;
}

TEST(Sha256, knownDigestsWithAndWithoutTheProcessorsInstructions) {
  const std::string million(1000000, 'a');
  const struct {
    std::string_view input;
    std::string_view digest;
  } cases[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {million, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (bool portableOnly : {false, true}) {
    for (const auto& c : cases) {
      // Fed in uneven pieces, so that every buffering path is taken.
      Sha256 digest(portableOnly);
      for (std::size_t at = 0, piece = 1; at < c.input.size(); at += piece, piece = piece * 3 % 97 + 1) {
        digest.update(c.input.substr(at, piece));
      }
      EXPECT_EQ(digest.finishHex(), c.digest) << c.input.size() << " bytes, portable " << portableOnly;
    }
  }
  // Every length around the padding boundaries agrees both ways.
  std::string bytes;
  for (int length = 0; length < 300; ++length) {
    Sha256 fast, portable(true);
    fast.update(bytes);
    portable.update(bytes);
    ASSERT_EQ(fast.finishHex(), portable.finishHex()) << length;
    bytes += static_cast<char>(length * 37 + 11);
  }
}

TEST(HistoryEntry, entryJsonReadsBackAsTheSameEntry) {
  HistoryEntry entry = sampleEntry(DateTime{Date{2026, 12, 6}, 23, 15, 2});
  entry.account = "Op\xE9rations";  // Windows-1252 e-acute
  entry.source = "register file C:\\Exports\\Caf\xE9.csv";
  entry.checks.push_back({"-7", Date{2026, 1, 31}, -250, "=SUM(A1)", false});
  entry.sha256 = std::string(64, 'a');
  const std::string json = entryJson(entry);
  EXPECT_NE(json.find("\"account\": \"Op\xC3\xA9rations\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"created\": \"2026-12-06T23:15:02\""), std::string::npos);
  EXPECT_NE(json.find("{\"number\": \"1002\", \"date\": \"\", \"cents\": 5000, "
                      "\"payee\": \"Caf\xC3\xA9 \\\"Nord\\\"\\u0009Ltd\", \"void\": true}"),
            std::string::npos)
      << json;

  std::string problem;
  const std::optional<HistoryEntry> read = parseEntryJson(json, "20261206-231502-0001", problem);
  ASSERT_TRUE(read) << problem;
  EXPECT_EQ(read->id, "20261206-231502-0001");
  EXPECT_EQ(entryJson(*read), json);

  for (std::string_view broken : {"", "[]", "{\"version\": 2}", "{\"version\": 1}"}) {
    EXPECT_FALSE(parseEntryJson(broken, "x", problem)) << broken;
    EXPECT_FALSE(problem.empty());
  }
}

// Both readers of entry.json give the same entry, or both refuse it with the same reason.
void expectSameReading(std::string_view json, std::string_view what) {
  std::string quickProblem, generalProblem;
  const std::optional<HistoryEntry> quick =
      parseEntryJson(json, "20261206-231502-0001", quickProblem);
  const std::optional<HistoryEntry> general =
      parseEntryJsonGenerally(json, "20261206-231502-0001", generalProblem);
  ASSERT_EQ(quick.has_value(), general.has_value()) << what << "\n" << json;
  if (quick) {
    EXPECT_EQ(quick->id, general->id) << what;
    EXPECT_EQ(entryJson(*quick), entryJson(*general)) << what << "\n" << json;
  } else {
    EXPECT_EQ(quickProblem, generalProblem) << what << "\n" << json;
  }
}

std::string replaced(std::string text, std::string_view from, std::string_view to) {
  const std::size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The written layout is read by the quick reader; a file edited by hand or damaged reads as the
// general JSON reader reads it, never differently.
TEST(HistoryEntry, theQuickReaderReadsWhatTheGeneralReaderReads) {
  HistoryEntry entry = sampleEntry(DateTime{Date{2026, 12, 6}, 23, 15, 2});
  entry.account = "Op\xE9rations";
  entry.output = "C:\\Users\\M\xC3\xBCller\\pp \"1\".txt";
  entry.checks.push_back({"-7", Date{2026, 1, 31}, -250, "=SUM(A1)\\\x01/", false});
  entry.sha256 = std::string(64, 'a');
  const std::string json = entryJson(entry);
  const std::optional<HistoryEntry> quick = readEntryLayout(json, "id");
  ASSERT_TRUE(quick);
  EXPECT_EQ(entryJson(*quick), json);
  HistoryEntry none = entry;
  none.checks.clear();
  ASSERT_TRUE(readEntryLayout(entryJson(none), "id"));

  const struct {
    std::string_view from;
    std::string_view to;
  } edits[] = {
      {"", ""},
      {"\n", ""},                                        // no white space at all
      {"\"version\": 1", "\"version\": 1.0"},            // another kind of number
      {"\"version\": 1", "\"version\": 2"},
      {"\"created\": \"2026-12-06T23:15:02\"", "\"created\": \"2026-12-06T24:15:02\""},
      {"\"count\": 2", "\"count\": 02"},
      {"\"count\": 2", "\"count\": 2e0"},
      {"\"count\": 2", "\"count\": 4294967298"},         // beyond a count
      {"\"count\": 2", "\"count\": \"2\""},
      {"\"cents\": 123450", "\"cents\": 99999999999999999999"},
      {"\"cents\": 123450", "\"cents\": -0"},
      {"\"date\": \"2026-12-01\"", "\"date\": \"2026-02-30\""},
      {"\"date\": \"2026-12-01\"", "\"date\": null"},
      {"\"void\": true", "\"void\": 1"},
      {"\"void\": true", "\"void\": tru"},
      // An escape beyond ASCII.
      {"\"payee\": \"ACME Supply\"", "\"payee\": \"ACME\\u00e9 Supply\""},
      {"\"payee\": \"ACME Supply\"", "\"payee\": \"ACME\\u0041 \\n\\/ Supply\""},
      {"\"payee\": \"ACME Supply\"", "\"payee\": \"ACME \\x Supply\""},
      {"\"payee\": \"ACME Supply\"", "\"payee\": \"ACME \xC3( Supply\""},  // not UTF-8
      {"\"payee\": \"ACME Supply\"", "\"payee\": \"ACME \xED\xA0\x80 Supply\""},
      {"\"payee\": \"ACME Supply\"", "\"payee\": \"ACME \xF0\x9F\x92\xB5 Supply\""},
      {"\"payee\": \"ACME Supply\"", "\"payee\": \"ACME\tSupply\""},  // a raw control character
      {"\"payee\": \"ACME Supply\", \"void\": false",
       "\"void\": false, \"payee\": \"ACME Supply\""},
      {"\"payee\": \"ACME Supply\"", "\"payee\": \"ACME Supply\", \"memo\": \"\""},
      {"\"sha256\"", "\"sha256\": 1, \"sha256\""},
      {"\"checks\": [", "\"checks\": {"},
      {"}\n  ]\n}\n", "}\n  ]\n}\n}"},
      {"}\n  ]\n}\n", "},\n  ]\n}\n"},
      {"}\n  ]\n}\n", "}\n  ]\n} x"},
      {"{\n", "\xEF\xBB\xBF{\n"},  // a byte order mark
      // Where the checks came from; entries written before it was recorded have no source.
      {"\"output\"", "\"source\": \"register file x.csv\", \"output\""},
      {"\"output\"", "\"source\": 1, \"output\""},
  };
  for (const auto& edit : edits) {
    std::string text = json;
    if (edit.from == "\n") {
      text = entryJson(entry);
      std::erase(text, '\n');
    } else if (!edit.from.empty()) {
      ASSERT_NE(text.find(edit.from), std::string::npos) << edit.from;
      text = replaced(text, edit.from, edit.to);
    }
    expectSameReading(text, edit.to);
  }
  // Cut short anywhere, or with any one byte changed, it still reads alike both ways.
  const std::string small = entryJson(sampleEntry(DateTime{Date{2026, 12, 6}, 23, 15, 2}));
  for (std::size_t length = 0; length < small.size(); ++length) {
    expectSameReading(small.substr(0, length), "cut");
  }
  for (std::size_t at = 0; at < small.size(); ++at) {
    for (char byte : {'"', '0', '9', ' ', '}', ',', '\\', 'x', '\x80', '\0'}) {
      std::string changed = small;
      changed[at] = byte;
      expectSameReading(changed, "changed");
    }
  }
}

TEST(HistoryEntry, theBankFileKeepsItsOwnNameUnlessItWouldBeTakenForTheEntry) {
  const struct {
    std::string_view output;
    std::string_view stored;
  } cases[] = {
      {"/home/ann/pp.txt", "pp.txt"},
      {"C:\\Users\\Ann\\Documents\\PositivePayExport.txt", "PositivePayExport.txt"},
      {"out/Entry.JSON", "_Entry.JSON"},
      {"entry.json. ", "_entry.json. "},
      {"relative.txt", "relative.txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(storedFileName(c.output), c.stored) << c.output;
}

TEST(HistoryFolder, isNamedByOptionThenVariableThenThePlatformsPlace) {
  testing::ScopedVariable named("PPEXPORT_HISTORY", std::nullopt);
  EXPECT_EQ(historyLocation("/given").folder, "/given");
  {
    testing::ScopedVariable variable("PPEXPORT_HISTORY", "/from/variable");
    EXPECT_EQ(historyLocation("").folder, "/from/variable");
    EXPECT_EQ(historyLocation("/given").folder, "/given");
  }
#ifdef _WIN32
  testing::ScopedVariable local("LOCALAPPDATA", "C:\\Users\\Ann\\AppData\\Local");
  EXPECT_EQ(historyLocation("").folder,
            "C:\\Users\\Ann\\AppData\\Local\\ppexport\\History");
#else
  testing::ScopedVariable home("HOME", "/home/ann");
  {
    testing::ScopedVariable data("XDG_DATA_HOME", "/data");
    EXPECT_EQ(historyLocation("").folder, "/data/ppexport/history");
  }
  for (std::optional<std::string> data : {std::optional<std::string>(), std::optional<std::string>("rel")}) {
    testing::ScopedVariable variable("XDG_DATA_HOME", data);
    EXPECT_EQ(historyLocation("").folder, "/home/ann/.local/share/ppexport/history");
  }
#endif
}

TEST(HistoryFolder, recordsWholeEntriesAndReadsThemNewestFirst) {
  TempFolder temp;
  const std::string folder = temp.file("history");
  const std::string bytes = "H1\r\nD1001\r\nT\r\n";
  const DateTime minute{Date{2026, 12, 5}, 19, 5};
  HistoryEntry sent = sampleEntry(minute);
  sent.output = temp.file("pp.txt");
  writeBytes(sent.output, bytes);
  const RecordResult first = recordEntry(folder, sent, bytes);
  const RecordResult second = recordEntry(folder, sampleEntry(minute, "Savings"), "other\r\n");
  ASSERT_TRUE(first.recorded && second.recorded) << first.failure << second.failure;
  EXPECT_EQ(first.id, "20261205-190500-0001");
  EXPECT_EQ(second.id, "20261205-190500-0002");
  EXPECT_EQ(namesIn(folder + "/" + first.id), (std::vector<std::string>{"entry.json", "pp.txt"}));

  const HistoryReading reading = readHistory(folder);
  EXPECT_TRUE(reading.warnings.empty());
  ASSERT_EQ(reading.entries.size(), 2u);
  EXPECT_EQ(reading.entries[0].id, second.id);
  const HistoryEntry& entry = reading.entries[1];
  EXPECT_EQ(entry.account, "Checking");
  EXPECT_EQ(entry.sha256, sha256Hex(bytes));
  EXPECT_EQ(entry.checks.size(), 2u);

  // Written again byte for byte, and compared with the file at its recorded path.
  const std::string copy = temp.file("copy.txt");
  EXPECT_EQ(exportRecordedFile(folder, entry, copy), "");
  EXPECT_EQ(readBytes(copy), bytes);
  EXPECT_TRUE(checkRecordedFile(folder, entry).same);
  writeBytes(sent.output, "H1\r\nD1002\r\nT\r\n");
  const RecordedFileCheck changed = checkRecordedFile(folder, entry);
  EXPECT_FALSE(changed.same);
  ASSERT_EQ(changed.differences.size(), 2u);
  EXPECT_EQ(changed.differences[0], "The first difference is in line 2.");
  std::filesystem::remove(filePath(sent.output));
  EXPECT_FALSE(checkRecordedFile(folder, entry).same);

  // A copy that is no longer the recorded file is never handed out as it.
  writeBytes(folder + "/" + first.id + "/pp.txt", "tampered");
  std::filesystem::remove(filePath(copy));
  EXPECT_NE(exportRecordedFile(folder, entry, copy), "");
  EXPECT_FALSE(std::filesystem::exists(filePath(copy)));
}

TEST(HistoryFolder, leavesOutUnfinishedAndUnreadableFoldersWithAWarning) {
  TempFolder temp;
  const std::string folder = temp.file("history");
  const DateTime minute{Date{2026, 12, 5}, 19, 5};
  ASSERT_TRUE(recordEntry(folder, sampleEntry(minute), "x\r\n").recorded);
  std::filesystem::create_directories(filePath(folder + "/tmp-20261205-190600-77-1"));
  std::filesystem::create_directories(filePath(folder + "/20261205-190700-0001"));
  writeBytes(folder + "/20261205-190700-0001/entry.json", "{\"version\": 1, \"creat");
  std::filesystem::create_directories(filePath(folder + "/20261205-190800-0001"));
  writeBytes(folder + "/notes.txt", "a user's own note");

  // An unfinished entry is another copy's business while young; one a crash left an hour ago goes.
  const std::string crashed = folder + "/tmp-20261205-180000-2147483000-1";
  std::filesystem::create_directories(filePath(crashed));
  testing::makeOlder(crashed, std::chrono::hours(2));

  const HistoryReading reading = readHistory(folder);
  ASSERT_EQ(reading.entries.size(), 1u);
  EXPECT_EQ(reading.entries[0].id, "20261205-190500-0001");
  EXPECT_TRUE(std::filesystem::exists(filePath(folder + "/tmp-20261205-190600-77-1")));
  EXPECT_FALSE(std::filesystem::exists(filePath(crashed)));
  ASSERT_EQ(reading.warnings.size(), 2u);
  EXPECT_EQ(reading.warnings[0].rfind("Warning: the history folder '20261205-190800-0001' was left "
                                      "out: entry.json cannot be read",
                                      0),
            0u)
      << reading.warnings[0];
  EXPECT_EQ(reading.warnings[1].rfind("Warning: the history folder '20261205-190700-0001' was left "
                                      "out: entry.json is not a JSON object",
                                      0),
            0u);
  EXPECT_TRUE(readHistory(temp.file("none yet")).entries.empty());

  // An entry.json that is a folder is an unreadable entry, not the end of the program.
  std::filesystem::create_directories(filePath(folder + "/20261205-190900-0001/entry.json"));
  const HistoryReading again = readHistory(folder);
  EXPECT_EQ(again.entries.size(), 1u);
  EXPECT_EQ(std::count_if(again.warnings.begin(), again.warnings.end(),
                          [](const std::string& warning) {
                            return warning.find("'20261205-190900-0001' was left out: entry.json "
                                                "cannot be read") != std::string::npos;
                          }),
            1);
}

// An entry that cannot be written whole leaves nothing behind.
TEST(HistoryFolder, anEntryThatCannotBeWrittenLeavesNothing) {
  TempFolder temp;
  const std::string folder = temp.file("history");
  HistoryEntry unwritable = sampleEntry(DateTime{Date{2026, 12, 5}, 19, 5});
  unwritable.output = "/tmp/" + std::string(300, 'n') + ".txt";  // longer than a file name may be
  const RecordResult failed = recordEntry(folder, unwritable, "x\r\n");
  EXPECT_FALSE(failed.recorded);
  EXPECT_FALSE(failed.failure.empty());
  EXPECT_TRUE(namesIn(folder).empty());

  writeBytes(temp.file("a file"), "");
  EXPECT_FALSE(recordEntry(temp.file("a file"), sampleEntry({}), "x").recorded);
}

// Collects what an observed file hands the system.
struct Observer : OutputObserver {
  std::string bytes;
  int completions = 0;
  void written(std::string_view block) override {
    EXPECT_EQ(completions, 0) << "bytes after the file was complete";
    bytes += block;
  }
  void complete() override { ++completions; }
};

// The observer of a file sees its bytes exactly, in order, across many blocks, and hears once
// that they are complete; other files, and files after the observation ends, are not its own.
TEST(OutputObserver, seesEveryByteOfItsOwnFileOnly) {
  TempFolder temp;
  const std::string target = temp.file("observed.txt");
  Observer observer;
  {
    const ObservedOutput observed(target, observer);
    OutputFile other(temp.file("other.txt"));
    other.writeLine("not observed");
    ASSERT_TRUE(other.commit());
    OutputFile file(target);
    for (int line = 0; line < 60000; ++line) file.writeLine(std::to_string(line * 7919));
    file.writeBytes("kept bytes");
    ASSERT_TRUE(file.commit()) << file.failure();
  }
  EXPECT_EQ(observer.bytes, readBytes(target));
  EXPECT_GT(observer.bytes.size(), 300000u);
  EXPECT_EQ(observer.completions, 1);

  OutputFile later(target);
  later.writeLine("after");
  ASSERT_TRUE(later.commit());
  EXPECT_EQ(observer.completions, 1);
  EXPECT_NE(observer.bytes, readBytes(target));
}

// A file of many blocks is copied into its entry as it is written; its recorded copy is its bytes.
// A file that is not written leaves nothing in the history, not even an unfinished entry.
TEST(HistoryFolder, aBankFileIsRecordedFromTheBytesAsTheyAreWritten) {
  TempFolder temp;
  const std::string folder = temp.file("history");
  std::vector<testing::Check> rows;
  for (int row = 0; row < 20000; ++row) {
    rows.push_back({.number = std::to_string(5000 + row), .name = "Payee " + std::to_string(row)});
  }
  // A bank file that cannot be opened, one written whole, and one that fails only when it is
  // moved into place (a folder stands there), after its entry was written out: only the one
  // written is recorded, and nothing is left behind of the others.
  std::filesystem::create_directories(temp.file("taken"));
  for (const std::string target : {"missing/pp.txt", "pp.txt", "taken"}) {
    const bool written = target == "pp.txt";
    testing::WriterFixture fixture(rows);
    fixture.inputs.fileName = temp.file(target);
    fixture.inputs.now = DateTime{Date{2026, 12, 5}, 19, 5};
    const Sending sending(SendingRequest{folder, true, false, "Checking", "Generic Bank Format"});
    sending.attachTo(fixture.inputs);
    const WriterResult result = writeGenericBankFormat(fixture.inputs);
    ASSERT_EQ(result.written, written);
    if (written) {
      EXPECT_TRUE(sending.recordWrittenFile(fixture.inputs, result).empty());
    }
  }
  const HistoryReading reading = readHistory(folder);
  EXPECT_TRUE(reading.warnings.empty());
  ASSERT_EQ(reading.entries.size(), 1u);
  EXPECT_EQ(reading.entries[0].checks.size(), 20000u);
  const std::string bytes = readBytes(temp.file("pp.txt"));
  EXPECT_GT(bytes.size(), 300000u);
  EXPECT_EQ(reading.entries[0].sha256, sha256Hex(bytes));
  std::string problem;
  EXPECT_EQ(readRecordedBytes(folder, reading.entries[0], problem), bytes) << problem;
  EXPECT_EQ(namesIn(folder), std::vector<std::string>{reading.entries[0].id});
}

// Bytes that did not pass by the history on their way (the file changed since) are read back from
// the file, so that the recorded copy is always the file as it stands.
TEST(HistoryFolder, aBankFileNotSeenWholeIsReadBack) {
  TempFolder temp;
  const std::string folder = temp.file("history");
  testing::WriterFixture fixture(std::vector<testing::Check>{{.number = "1001", .name = "ACME"}});
  fixture.inputs.fileName = temp.file("pp.txt");
  const Sending sending(SendingRequest{folder, true, false, "Checking", "Generic Bank Format"});
  sending.attachTo(fixture.inputs);
  const WriterResult result = writeGenericBankFormat(fixture.inputs);
  ASSERT_TRUE(result.written);
  writeBytes(fixture.inputs.fileName, readBytes(fixture.inputs.fileName) + "more\r\n");
  EXPECT_TRUE(sending.recordWrittenFile(fixture.inputs, result).empty());
  const HistoryReading reading = readHistory(folder);
  ASSERT_EQ(reading.entries.size(), 1u);
  std::string problem;
  EXPECT_EQ(readRecordedBytes(folder, reading.entries[0], problem),
            readBytes(fixture.inputs.fileName))
      << problem;
}

TEST(SentBefore, aCheckWasSentWithTheSameNumberVoidFlagAndAmountForTheAccountAndFormat) {
  const DateTime earlier{Date{2026, 11, 2}, 9, 0};
  std::vector<HistoryEntry> entries = {sampleEntry(earlier), sampleEntry(earlier, "Savings"),
                                       sampleEntry(earlier, "Checking", "Regions Bank")};
  entries[1].checks = {{"2001", Date{2026, 11, 1}, 100, "P", false}};
  entries[2].checks = {{"3001", Date{2026, 11, 1}, 100, "P", false}};
  // Sent as issued, then voided with the same amount: both sendings count.
  entries[0].checks.push_back({"1003", Date{2026, 11, 1}, 700, "P", false});
  entries[0].checks.push_back({"1003", Date{2026, 11, 1}, 700, "P", true});
  const SentBefore sent(entries, "Checking", "Generic Bank Format");
  const struct {
    std::string_view number;
    bool isVoid;
    std::int64_t cents;
    bool wasSent;
  } cases[] = {
      {"1001", false, 123450, true},
      {"1001", false, 123451, false},  // the amount changed: sent again
      {"1001", true, 123450, false},   // voided after it was sent as issued: new
      {"1002", true, 5000, true},
      {"1003", false, 700, true},
      {"1003", true, 700, true},
      {"01001", false, 123450, false},  // the check number is compared as text
      {"2001", false, 100, false},      // another account
      {"3001", false, 100, false},      // another bank format
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sent.wasSent(c.number, c.isVoid, c.cents), c.wasSent) << c.number << " " << c.cents;
  }
}

TEST(SentBefore, warnsOfAnAmountOrPayeeChangedSinceTheLastSending) {
  std::vector<HistoryEntry> entries = {sampleEntry(DateTime{Date{2026, 12, 3}, 9, 0}),
                                       sampleEntry(DateTime{Date{2026, 11, 2}, 9, 0})};
  entries[0].checks = {{"1001", Date{2026, 12, 1}, 130000, "ACME Supply", false},
                       {"1003", Date{2026, 12, 1}, 700, "First row", false},
                       {"1003", Date{2026, 12, 1}, 700, "Second row", false}};
  entries[1].checks.push_back({"1003", Date{2026, 11, 1}, 900, "Older file", false});
  const SentBefore sent(entries, "Checking", "Generic Bank Format");
  const struct {
    std::string_view number;
    bool isVoid;
    std::int64_t cents;
    std::string_view payee;
    std::optional<std::string> warning;
  } cases[] = {
      {"1001", false, 130000, "ACME Supply", std::nullopt},
      {"1001", false, 123450, "ACME Supply",
       "Warning: check 1001 was sent on 12/3/2026 with amount 1300.00 to ACME Supply; it is now "
       "1234.50 to ACME Supply"},
      {"1001", false, 130000, "ACME Supplies",
       "Warning: check 1001 was sent on 12/3/2026 with amount 1300.00 to ACME Supply; it is now "
       "1300.00 to ACME Supplies"},
      {"1001", true, 0, "ACME Supply", std::nullopt},  // no void of it was sent
      {"1002", true, -5, "Caf\xE9 \"Nord\"\tLtd",
       "Warning: check 1002 was sent on 11/2/2026 with amount 50.00 to Caf\xE9 \"Nord\"\tLtd; it "
       "is now -0.05 to Caf\xE9 \"Nord\"\tLtd"},
      {"9999", false, 1, "New", std::nullopt},
      // Carried twice by the newest file: its later row is the last sending.
      {"1003", false, 700, "Second row", std::nullopt},
      {"1003", false, 700, "First row",
       "Warning: check 1003 was sent on 12/3/2026 with amount 7.00 to Second row; it is now 7.00 "
       "to First row"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sent.changedAfterSending(c.number, c.isVoid, c.cents, c.payee), c.warning)
        << c.number << " " << c.cents;
  }
  // Every amount it was sent with counts as sent, the older file's too.
  EXPECT_TRUE(sent.wasSent("1003", false, 700));
  EXPECT_TRUE(sent.wasSent("1003", false, 900));
  EXPECT_FALSE(sent.wasSent("1003", true, 700));
}

}  // namespace
}  // namespace ppexport

#pragma once
// One history entry being made: a temporary folder beside the others, the bank file's bytes
// copied into it as they come (its SHA-256 taken on the way), then entry.json, each put on disk,
// and the rename that puts the whole entry in place. A reader finds the entry complete or not at
// all. The copy is hashed, written and flushed on a thread of its own, beside the bank file's
// own writing and flushing.

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "history/history_entry.h"
#include "history/sha256.h"

namespace ppexport {

// The names an entry's folder holds: entry.json beside the bank file's bytes; a folder not yet
// renamed into place starts with "tmp-".
inline constexpr std::string_view entryFileName = "entry.json";
inline constexpr std::string_view temporaryEntryPrefix = "tmp-";

struct RecordResult {
  bool recorded = false;
  std::string id;       // the new entry's folder name
  std::string failure;  // why nothing was recorded
};

class EntryWriter {
 public:
  // Makes the temporary folder in folder (and folder itself when it is new) and opens the copy
  // of the bank file, kept as storedFileName(output). created names the entry.
  EntryWriter(std::string folder, const DateTime& created, std::string_view output);
  ~EntryWriter();  // removes the temporary folder unless the entry was put in place
  EntryWriter(const EntryWriter&) = delete;
  EntryWriter& operator=(const EntryWriter&) = delete;

  // Appends bytes to the copy of the bank file.
  void addBytes(std::string_view bytes);
  // Every byte was added: the copy starts going to disk.
  void bytesComplete();
  // How many bytes were added.
  std::uint64_t size() const { return size_; }
  // Why the entry cannot be made; "" while it can.
  const std::string& failure() const { return failure_; }

  // Writes entry.json with what writeJson puts into its text (handing each piece to the flush it
  // is given), after setting entry.sha256 from the bytes added; puts both files on disk and
  // renames the entry into place.
  using JsonWriter =
      std::function<void(std::string& out, const std::function<void(std::string&)>& flush)>;
  RecordResult finish(HistoryEntry& entry, const JsonWriter& writeJson) {
    bytesComplete();
    prepare(entry, writeJson);
    return place();
  }
  // The two halves of finish(): everything but the rename, which may wait until the bank file is
  // in place, and the rename. prepare() waits until bytesComplete() was called.
  void prepare(HistoryEntry& entry, const JsonWriter& writeJson);
  RecordResult place();

 private:
  // A file of the entry, handed to the disk early: a large file is mostly written by the time it
  // is flushed.
  struct File {
    std::FILE* handle = nullptr;
    std::uint64_t written = 0;
    std::uint64_t writeBackStarted = 0;
  };
  // What each file's writing found wrong; "" while nothing.
  static bool open(File& file, const std::string& path, std::string& failure);
  static void put(File& file, std::string_view bytes, std::string& failure);
  static void flush(File& file, std::string& failure);
  static void close(File& file, std::string& failure);
  void fail(std::string reason);
  void copyBlocks();  // the copying thread
  void stopCopying();

  std::string folder_;
  std::string stem_;       // the clock reading part of the entry's name
  std::string temporary_;  // the temporary folder; "" when none was made
  File copy_;
  File json_;
  std::uint64_t size_ = 0;
  std::string failure_;
  bool placed_ = false;

  // Shared with the copying thread, under mutex_: the blocks to copy, in order, and the spent
  // blocks kept for reuse; the copying thread owns copy_ and digest_ until it is done.
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::string> blocks_;
  std::vector<std::string> spent_;
  bool complete_ = false;     // no more blocks come
  bool hashed_ = false;       // every block is copied (or the copying failed)
  std::string sha256_;        // the digest of the blocks
  std::string copyFailure_;
  bool abandoned_ = false;    // the entry is not made: its copy need not reach the disk
  Sha256 digest_;
  std::thread copying_;
};

}  // namespace ppexport

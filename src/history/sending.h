#pragma once
// The history's part in one Create or conversion: read once before the bank file is written, it
// tells the writer which rows were sent before (left out when only new checks are asked for) and
// which were sent with another amount or payee (a warning); once the file is written, it records
// it.

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "formats/output_file.h"
#include "formats/writer.h"
#include "history/entry_writer.h"
#include "history/history_entry.h"
#include "history/sent_before.h"

namespace ppexport {

struct SendingRequest {
  std::string folder;      // the history (UTF-8); "" keeps none and leaves nothing out
  bool record = true;      // false: the file is not recorded (the history is still read)
  bool newOnly = false;    // leave out the rows sent before
  std::string account;     // Windows-1252; "" for a conversion without an account
  std::string bankFormat;  // Windows-1252
  std::string source;      // where the checks came from, Windows-1252
  std::string unavailable;  // why no history folder could be named, when folder is ""
};

class Sending {
 public:
  // Reads every entry of the history once.
  explicit Sending(SendingRequest request);
  Sending(const Sending&) = delete;
  Sending& operator=(const Sending&) = delete;

  ~Sending();

  // Hands the writer the rows to leave out and the changed-after-sending warnings, and watches
  // the bank file of inputs as it is written, so that its copy in the history is made on the way
  // and its entry written while the bank file goes to disk. The inputs must not outlive this
  // object.
  void attachTo(WriterInputs& inputs) const;

  // After the writer wrote the bank file: records it, and gives the history's warning lines
  // (folders that could not be read, a file that could not be recorded), in that order.
  std::vector<std::string> recordWrittenFile(const WriterInputs& inputs,
                                             const WriterResult& written) const;
  // The history entry recordWrittenFile made; "" when none was made.
  const std::string& recordedId() const { return recordedId_; }

 private:
  // The entry made while the bank file is written: its bytes go into the history's copy as they
  // go to the file, and once the last line is written the entry is written out on a thread of its
  // own while the bank file is flushed; only the rename waits for the bank file to be in place.
  class Copying final : public OutputObserver {
   public:
    Copying(const std::string& folder, const DateTime& created, std::string bankFile);
    ~Copying();
    void written(std::string_view bytes) override;
    void complete() override;
    // Starts writing the entry out, with the checks of the written rows.
    void prepare(HistoryEntry entry, std::span<const WrittenCheck> checks);
    // Waits until the entry is written out; true when it was started.
    bool prepared();
    std::unique_ptr<EntryWriter> entry;  // made at the first bytes

   private:
    std::string folder_;
    DateTime created_;
    std::string bankFile_;
    ObservedOutput observed_;
    HistoryEntry prepared_;
    std::thread preparing_;
    bool started_ = false;  // the entry's writing was started on preparing_
  };
  HistoryEntry entryOf(const WriterInputs& inputs, std::int32_t count,
                       std::span<const WrittenCheck> checks) const;

  SendingRequest request_;
  SentBefore sentBefore_;
  std::vector<std::string> readWarnings_;
  mutable std::unique_ptr<Copying> copying_;
  mutable std::string recordedId_;
};

inline constexpr std::string_view notRecordedWarning =
    "Warning: the file was not recorded in the history: ";

}  // namespace ppexport

#pragma once
// The history's part in one Create or conversion: read once before the bank file is written, it
// tells the writer which rows were sent before (left out when only new checks are asked for) and
// which were sent with another amount or payee (a warning); once the file is written, it records
// it.

#include <memory>
#include <optional>
#include <string>
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
  // the bank file of inputs as it is written, so that its copy in the history is made on the way.
  // The inputs must not outlive this object.
  void attachTo(WriterInputs& inputs) const;

  // After the writer wrote the bank file: records it, and gives the history's warning lines
  // (folders that could not be read, a file that could not be recorded), in that order.
  std::vector<std::string> recordWrittenFile(const WriterInputs& inputs,
                                             const WriterResult& written) const;

 private:
  // The entry made while the bank file is written: its bytes go into the history's copy as they
  // go to the file.
  class Copying final : public OutputObserver {
   public:
    Copying(const std::string& folder, const DateTime& created, std::string bankFile);
    void written(std::string_view bytes) override;
    void complete() override;
    std::unique_ptr<EntryWriter> entry;  // made at the first bytes

   private:
    std::string folder_;
    DateTime created_;
    std::string bankFile_;
    ObservedOutput observed_;
  };

  SendingRequest request_;
  SentBefore sentBefore_;
  std::vector<std::string> readWarnings_;
  mutable std::unique_ptr<Copying> copying_;
};

inline constexpr std::string_view notRecordedWarning =
    "Warning: the file was not recorded in the history: ";

}  // namespace ppexport

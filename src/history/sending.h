#pragma once
// The history's part in one Create or conversion: read once before the bank file is written, it
// tells the writer which rows were sent before (left out when only new checks are asked for) and
// which were sent with another amount or payee (a warning); once the file is written, it records
// it.

#include <optional>
#include <string>
#include <vector>

#include "formats/writer.h"
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

  // Hands the writer the rows to leave out and the changed-after-sending warnings. The inputs
  // must not outlive this object.
  void attachTo(WriterInputs& inputs) const;

  // After the writer wrote the bank file: records it, and gives the history's warning lines
  // (folders that could not be read, a file that could not be recorded), in that order.
  std::vector<std::string> recordWrittenFile(const WriterInputs& inputs,
                                             const WriterResult& written) const;

 private:
  SendingRequest request_;
  SentBefore sentBefore_;
  std::vector<std::string> readWarnings_;
};

inline constexpr std::string_view notRecordedWarning =
    "Warning: the file was not recorded in the history: ";

}  // namespace ppexport

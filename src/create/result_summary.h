#pragma once
// What the result of a written bank file says, for the window and the command line alike: the
// control totals a bank portal asks for at upload, the warnings for what the bank would reject,
// and the review file. All of it comes from the writer's record of what it wrote.

#include <string>
#include <string_view>
#include <vector>

#include "create/review_file.h"
#include "formats/writer.h"

namespace ppexport {

// A written bank file as its result reports it.
struct FileSummary {
  std::string fileName;
  int count = 0;
  ControlTotals totals;
  std::vector<std::string> warnings;  // the "Warning: ..." lines, in the message's order
  std::string reviewFile;             // its path; "" when none was written
  int leftOut = 0;                    // checks left out as sent in earlier files
  bool allSentBefore = false;         // so many that no file was written
  std::string message;                // lines separated by CR LF
};

// The review file as the window's check box and identifier boxes ask for it.
struct ReviewRequest {
  bool asked = false;
  const ReportTable* checks = nullptr;
  const VendorIndex* vendors = nullptr;
  ReviewIdentifiers identifiers;  // "" for the boxes the format does not show
};

// The warnings for the identifiers the format wrote, named by the captions the window shows for
// bankListText: one left empty, one longer than its field, one that is not a number in
// a zero-filled field, and a bank code that is not an entry of the format's list.
std::vector<std::string> identifierWarnings(std::string_view bankListText,
                                            const WriterInputs& inputs,
                                            const WriterResult& written);

// "Issued checks: I, total A" CR LF "Voided checks: V, total B".
std::string controlTotalLines(const ControlTotals& totals);

// True when the bank file itself is named like the review file, which would then replace it.
bool namedLikeReviewFile(std::string_view bankFilePath);

// After the writer has written the bank file: writes the review file when it is asked for and
// there are records, and puts the message together, naming the file as shownName (Windows-1252).
// earlierWarnings (the settings save, the vendor list) come first, historyWarnings last. When
// every row was left out as sent before, no file was written and the message says so, naming
// the file left as it was; every message with rows left out says how many.
FileSummary summarizeWrittenFile(std::string_view bankListText, std::string_view shownName,
                                 const WriterInputs& inputs, const WriterResult& written,
                                 const ReviewRequest& review,
                                 std::vector<std::string> earlierWarnings,
                                 const std::vector<std::string>& historyWarnings = {});

// "Left out 10 checks sent in earlier files."
std::string leftOutLine(int leftOut);

inline constexpr std::string_view vendorListWarning =
    "Warning: the vendor list could not be read; payees are the names from the check report.";
inline constexpr std::string_view reviewFileClashWarning =
    "Warning: the review file was not written: it would replace the bank file.";

}  // namespace ppexport

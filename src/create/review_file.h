#pragma once
// "Positive Pay Review.csv": the checks of the bank file as a plain comma-separated list, written
// beside the bank file for the bookkeeper's own review.

#include <string>
#include <string_view>

#include "formats/writer.h"

namespace ppexport {

inline constexpr std::string_view reviewFileName = "Positive Pay Review.csv";

// The review file's path: the bank file's folder (up to and including its last "/" or "\") and
// the review file name; with no folder, the current one.
std::string reviewFilePath(std::string_view bankFilePath);

// The identifiers the review file lists; "" for those the bank format does not show.
struct ReviewIdentifiers {
  std::string bankId;
  std::string accountId;
  std::string remoteId;
  std::string batchId;
};

struct ReviewResult {
  int count = 0;          // checks listed; 0 also when the file could not be written
  bool written = false;   // the file is complete on disk
  std::string failure;    // why it is not
};

// Writes the review file of the bank file bankFilePath from the check table, stamped with now.
// It leaves out the rows that the bank file left out (leaveOut, as the writer had it).
ReviewResult writeReviewFile(const ReportTable& checks, const VendorIndex& vendors,
                             std::string_view bankFilePath, const ReviewIdentifiers& identifiers,
                             const DateTime& now,
                             const decltype(WriterInputs::leaveOut)& leaveOut = {});

}  // namespace ppexport

#include "create/review_file.h"

#include "formats/check_row.h"
#include "formats/output_file.h"
#include "formats/records.h"
#include "text/amounts.h"

namespace ppexport {

std::string reviewFilePath(std::string_view bankFilePath) {
  const std::size_t slash = bankFilePath.find_last_of("/\\");
  std::string path(slash == std::string_view::npos ? std::string_view()
                                                   : bankFilePath.substr(0, slash + 1));
  path += reviewFileName;
  return path;
}

namespace {
// "MM/DD/YYYY HH:MM AM/PM" with the regional date separator.
std::string createdStamp(const DateTime& now) {
  const std::string separator(1, regional().dateSeparator);
  const int hour12 = now.hour % 12 == 0 ? 12 : now.hour % 12;
  std::string stamp = formatDate(now.date, "MM" + separator + "DD" + separator + "YYYY");
  stamp += ' ';
  stamp += FixedRecord().zeroFilled(std::int64_t{hour12}, 2).line();
  stamp += ':';
  stamp += FixedRecord().zeroFilled(std::int64_t{now.minute}, 2).line();
  stamp += now.hour < 12 ? " AM" : " PM";
  return stamp;
}

// A spreadsheet runs a cell that begins with one of these as a formula; a leading apostrophe
// keeps it text.
std::string guardedAgainstFormulas(std::string payee) {
  if (!payee.empty() && (payee[0] == '=' || payee[0] == '+' || payee[0] == '-' || payee[0] == '@')) {
    payee.insert(payee.begin(), '\'');
  }
  return payee;
}

std::string_view reviewStatus(CheckStatus status) {
  return status == CheckStatus::Issue ? "Issue" : "Void";
}
}  // namespace

ReviewResult writeReviewFile(const ReportTable& checks, const VendorIndex& vendors,
                             std::string_view bankFilePath, const ReviewIdentifiers& identifiers,
                             const DateTime& now,
                             const decltype(WriterInputs::leaveOut)& leaveOut) {
  ReviewResult result;
  OutputFile file(reviewFilePath(bankFilePath));
  const std::optional<CheckColumns> columns = CheckColumns::find(checks);
  if (columns) {
    file.writeLine(DelimitedLine().field("File Created").field(createdStamp(now)).line());
    const std::pair<std::string_view, const std::string*> lines[] = {
        {"Bank ID", &identifiers.bankId},
        {"Account ID", &identifiers.accountId},
        {"Remote ID", &identifiers.remoteId},
        {"Batch ID", &identifiers.batchId}};
    bool anyIdentifier = false;
    for (const auto& [label, value] : lines) {
      if (value->empty()) continue;
      file.writeLine(DelimitedLine().field(label).field(*value).line());
      anyIdentifier = true;
    }
    if (anyIdentifier) file.writeLine("");
    file.writeLine("Date,Check Number,Payee,Check Amount,Status");
    for (int row = 2; row <= checks.rows(); ++row) {
      CheckRow check(checks, *columns, vendors, row);
      // Here a void row is listed on its own, whatever its check number says.
      if (!check.qualifies(Selection::UnclearedOnly) && !check.isVoid()) continue;
      // A negative amount in cents is left out of the bank file, so the review leaves it out too.
      if (check.amountInCents() < 0) continue;
      if (leaveOut && leaveOut(check.checkNumber(), check.isVoid(), check.amountInCents())) continue;
      ++result.count;
      file.writeLine(DelimitedLine()
                         .date(check.checkDate(), "MM/DD/YYYY")
                         .field(check.checkNumber().substr(0, 10))
                         .field(guardedAgainstFormulas(without(check.payee(), ',')))
                         .field(formatTwoDecimals(check.amountInDollars()).substr(0, 11))
                         .field(reviewStatus(check.status()))
                         .line());
    }
  }
  result.written = file.commit();
  result.failure = file.failure();
  if (!result.written) result.count = 0;
  return result;
}

}  // namespace ppexport

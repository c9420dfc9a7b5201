#include "create/create_operation.h"

#include "create/bank_codes.h"
#include "create/format_dispatch.h"
#include "create/messages.h"
#include "formats/check_row.h"
#include "history/sending.h"
#include "create/review_file.h"
#include "quickbooks/check_fields.h"
#include "quickbooks/export_errors.h"
#include "quickbooks/report_export.h"
#include "quickbooks/report_folder_lock.h"
#include "quickbooks/report_table.h"
#include "settings/account_settings.h"
#include "settings/environment.h"

namespace ppexport {

namespace {
Message refusal(std::string_view text) { return Message{std::string(text), MessageIcon::Critical}; }

// The choices checked in order; the first that fails gives its message.
std::optional<Message> checkChoices(const CreateRequest& request) {
  const std::string& bank = request.bankListText;
  if (request.bankListIndex == -1 || bank == noBankChosen || bank == noBankChosenMisspelt ||
      bank.empty() || bank == "<pick a bank for this account>") {
    return refusal(pickBankMessage);
  }
  const std::string& account = request.accountText;
  if (request.accountIndex == -1 || account == "<pick an account>" || account.empty()) {
    return refusal(pickAccountMessage);
  }
  if (request.fileName.empty()) return refusal(enterFileNameMessage);
  if (!regional().isDate(request.fromDate) || !regional().isDate(request.toDate)) {
    return refusal(validDatesMessage);
  }
  // A bank code the list does not hold would be cut or padded into the wrong places of the file.
  if (!bankCodeList(bank).empty() && !bankCodeEntry(bank, request.bankCode)) {
    return refusal(pickBankCodeMessage);
  }
  return std::nullopt;
}

std::string visibleText(const IdentifierBox& box) { return box.visible ? box.text : std::string(); }
}  // namespace

CreateOutcome createFile(const CreateRequest& request, const CreateServices& services) {
  CreateOutcome outcome;
  if (std::optional<Message> refused = checkChoices(request)) {
    outcome.message = *refused;
    return outcome;
  }

  // The account's settings are saved before anything is fetched, so they survive a failed export.
  std::vector<std::string> notes = request.inputWarnings;
  if (!saveUserSettings(*services.settings, request.accountSettings)) {
    notes.push_back("Warning: the settings of this account could not be saved: " +
                    services.settings->lastError());
  }

  const std::string checkReport =
      pathInFolder(services.reportFolder, std::string(checkReportFileName));
  const std::string vendorReport =
      pathInFolder(services.reportFolder, std::string(vendorReportFileName));
  const Date from = *regional().toDate(request.fromDate);
  const Date to = *regional().toDate(request.toDate);
  // No other copy of the program may export between this export and the reading of its report.
  std::optional<ReportFolderLock> reportsLock(std::in_place, services.reportFolder);
  const std::string exported = exportReportAfresh(
      *services.quickBooks,
      checkReportRequest(from, to, checkReport, checkReportColumns(request.bankListText),
                         request.accountText));
  if (exported != exportSucceeded) {
    outcome.stage = CreateStage::ExportFailed;
    outcome.message = Message{std::string(exportFailedMessage) + std::string(lineBreak) + exported,
                              MessageIcon::Critical};
    return outcome;
  }
  ReportTable checks;
  readReportFile(checkReport, fieldSeparator, checks);
  // A report without the headings the writers read is no check report: the earlier file stays.
  if (const std::string problem = missingHeadingsProblem(checks); !problem.empty()) {
    outcome.stage = CreateStage::ExportFailed;
    outcome.message = Message{std::string(exportFailedMessage) + std::string(lineBreak) + problem,
                              MessageIcon::Critical};
    return outcome;
  }
  // The vendor list only improves payee names: without it the report's names are used, which a
  // bank that verifies payees would reject, so the result says so.
  const bool vendorsExported =
      exportReportAfresh(*services.quickBooks, vendorListRequest(vendorReport)) == exportSucceeded;
  ReportTable vendorTable;
  readReportFile(vendorReport, fieldSeparator, vendorTable);
  reportsLock.reset();
  // Rows a register file could not give are said in the result, never written as zero.
  for (std::string& warning : services.quickBooks->exportWarnings()) {
    notes.push_back(std::move(warning));
  }
  const VendorIndex vendors(vendorTable);
  if (!vendorsExported || vendorTable.empty()) notes.push_back(std::string(vendorListWarning));

  WriterInputs inputs;
  inputs.checks = &checks;
  inputs.vendors = &vendors;
  inputs.fileName = request.fileName;
  inputs.bankId = request.bankId.text;
  inputs.accountId = request.accountId.text;
  inputs.remoteId = request.remoteId.text;
  inputs.batchId = request.batchId.text;
  inputs.bankCode = request.bankCode;
  inputs.now = services.clock->now();
  inputs.settings = services.settings;
  // The history is read once for the whole file, never once per row.
  const Sending sending(SendingRequest{services.historyFolder, services.recordHistory,
                                       request.newOnly, request.accountText,
                                       request.bankListText, services.quickBooks->checkSource(),
                                       services.historyUnavailable});
  sending.attachTo(inputs);
  WriterResult written = runFormatWriter(request.bankListText, inputs);
  outcome.count = written.count;
  if (!written.written && !written.allSentBefore) {
    outcome.stage = CreateStage::NotWritten;
    outcome.message = Message{couldNotCreateMessage(request.fileName, written.failure),
                              MessageIcon::Critical};
    return outcome;
  }

  outcome.stage = CreateStage::Done;
  const std::vector<std::string> historyWarnings = sending.recordWrittenFile(inputs, written);
  outcome.historyEntry = sending.recordedId();
  ReviewRequest review;
  review.asked = request.createReviewFile;
  review.checks = &checks;
  review.vendors = &vendors;
  review.identifiers =
      ReviewIdentifiers{visibleText(request.bankId), visibleText(request.accountId),
                        visibleText(request.remoteId), visibleText(request.batchId)};
  outcome.summary =
      summarizeWrittenFile(request.bankListText, request.fileName, inputs, written, review,
                           std::move(notes), historyWarnings);
  outcome.reviewFileWritten = !outcome.summary.reviewFile.empty();
  outcome.message.text = outcome.summary.message;
  outcome.message.icon =
      outcome.summary.warnings.empty() ? MessageIcon::Information : MessageIcon::Warning;
  return outcome;
}

}  // namespace ppexport

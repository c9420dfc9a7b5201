// `ppexport convert`: the writer of one bank format on report files already exported.

#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "cli/commands.h"
#include "cli/identifier_options.h"
#include "cli/nearest_names.h"
#include "cli/result_output.h"
#include "cli/session.h"
#include "create/bank_inputs.h"
#include "create/format_dispatch.h"
#include "create/messages.h"
#include "formats/check_row.h"
#include "history/sending.h"
#include "formats/bank_list.h"
#include "quickbooks/check_fields.h"
#include "text/file_names.h"
#include "text/windows1252.h"

namespace ppexport::cli {

namespace {
struct ConvertOptions {
  std::string checks;
  std::string vendors;
  std::string bank;
  std::string output;
  IdentifierOptions<std::string> identifiers;
  bool review = false;
  bool json = false;
  std::string account;  // a label for the history
  bool newOnly = false;
  bool all = false;
  bool noHistory = false;
};

// A report file that cannot be read is a usage error, not an empty report.
bool readable(const std::string& path, std::string& problem) {
  std::error_code error;
  if (!std::filesystem::exists(filePath(path), error)) {
    problem = "does not exist";
    return false;
  }
  if (std::filesystem::is_directory(filePath(path), error)) {
    problem = "is a folder";
    return false;
  }
  std::FILE* probe = openFile(path, "rb");
  if (probe == nullptr) {
    problem = "cannot be read";
    return false;
  }
  std::fclose(probe);
  return true;
}

int convert(const ConvertOptions& options, Session& session, Console& console) {
  // A bank format that does not exist would write nothing at all; the nearest names help.
  const std::string bank = utf8ToWindows1252(options.bank);
  if (!namesBankFormat(bank, session.settings())) {
    printUnknownName(console, "bank format", bank, bankList(session.settings()));
    return badUsage;
  }
  std::string bankCode = utf8ToWindows1252(options.identifiers.bankCode);
  if (!takeBankCode(console, bank, bankCode)) return badUsage;
  for (const std::string* path : {&options.checks, &options.vendors}) {
    std::string problem;
    if (!readable(*path, problem)) {
      console.err << "ppexport: the report file " << *path << " " << problem << ".\n";
      return badUsage;
    }
  }
  // Written over, a report would be lost before the bank file is complete.
  for (const auto& [path, what] : {std::pair{&options.checks, "the check report"},
                                   std::pair{&options.vendors, "the vendor list"}}) {
    if (sameFile(options.output, *path)) {
      console.err << "ppexport: the output file " << options.output << " is " << what
                  << "; choose another output file.\n";
      return badUsage;
    }
  }
  const Clock* clock = session.clock();
  if (clock == nullptr) return badUsage;
  ReportTable checks;
  ReportTable vendors;
  readReportFile(options.checks, fieldSeparator, checks);
  readReportFile(options.vendors, fieldSeparator, vendors);
  VendorIndex vendorIndex(vendors);
  // As in a Create: without the vendor list the payees are the report's names.
  std::vector<std::string> earlierWarnings;
  if (vendors.empty()) earlierWarnings.push_back(std::string(vendorListWarning));
  for (std::string& warning : unwritableCharacterWarnings(options.identifiers)) {
    earlierWarnings.push_back(std::move(warning));
  }
  const std::string fileName = utf8ToWindows1252(options.output);
  // A report without the headings the writers read is no check report: the earlier file stays.
  if (const std::string problem = missingHeadingsProblem(checks); !problem.empty()) {
    FileSummary failure;
    failure.fileName = fileName;
    failure.message = couldNotCreateMessage(fileName, problem);
    printFileResult(console, options.json, false, failure, options.output);
    return failed;
  }

  WriterInputs inputs;
  inputs.checks = &checks;
  inputs.vendors = &vendorIndex;
  inputs.fileName = options.output;
  inputs.bankId = utf8ToWindows1252(options.identifiers.bankId);
  inputs.accountId = utf8ToWindows1252(options.identifiers.accountId);
  inputs.remoteId = utf8ToWindows1252(options.identifiers.remoteId);
  inputs.batchId = utf8ToWindows1252(options.identifiers.batchId);
  inputs.bankCode = bankCode;
  inputs.now = clock->now();
  inputs.settings = session.settings();
  const HistoryLocation history = session.history();
  const Sending sending(SendingRequest{history.folder, !options.noHistory, options.newOnly,
                                       utf8ToWindows1252(options.account), bank, "",
                                       history.error});
  sending.attachTo(inputs);
  WriterResult result = runFormatWriter(bank, inputs);

  if (!result.written && !result.allSentBefore) {
    FileSummary failure;
    failure.fileName = fileName;
    failure.count = result.count;
    failure.message = couldNotCreateMessage(fileName, result.failure);
    printFileResult(console, options.json, false, failure, options.output);
    return failed;
  }
  const std::vector<std::string> historyWarnings = sending.recordWrittenFile(inputs, result);
  // The review file lists only the identifiers the window shows for this bank format.
  const VisibleIdentifiers visible = visibleIdentifiers(bank);
  ReviewRequest review;
  review.asked = options.review;
  review.checks = &checks;
  review.vendors = &vendorIndex;
  review.identifiers = ReviewIdentifiers{visible.bankId ? inputs.bankId : "",
                                         visible.accountId ? inputs.accountId : "",
                                         visible.remoteId ? inputs.remoteId : "",
                                         visible.batchId ? inputs.batchId : ""};
  printFileResult(console, options.json, result.written,
                  summarizeWrittenFile(bank, fileName, inputs, result, review,
                                       std::move(earlierWarnings), historyWarnings),
                  options.output);
  return done;
}
}  // namespace

void addConvertCommand(CLI::App& app, Session& session, Console& console) {
  auto options = std::make_shared<ConvertOptions>();
  CLI::App* command =
      app.add_subcommand("convert", "Write a bank file from check and vendor reports on disk");
  command->add_option("--checks", options->checks, "Exported check report")->required();
  command->add_option("--vendors", options->vendors, "Exported vendor list")->required();
  command->add_option("--bank", options->bank, "Bank format name, or \"Custom Format: \" + name")
      ->required();
  command->add_option("--output", options->output, "Bank file to write")->required();
  addIdentifierOptions(*command, options->identifiers);
  command->add_flag("--review", options->review, "Also write \"Positive Pay Review.csv\"");
  command->add_flag("--json", options->json, "Print the result as one JSON object");
  command->add_option("--account", options->account,
                      "QuickBooks bank account the checks belong to (a label for the history)");
  CLI::Option* newOnly = command->add_flag(
      "--new-only", options->newOnly, "Leave out checks already sent in an earlier file");
  command->add_flag("--all", options->all, "Write every check, also those sent before (the default)")
      ->excludes(newOnly);
  command->add_flag("--no-history", options->noHistory, "Do not record the file in the history");
  command->footer(createAndConvertHelp(false));
  command->callback([options, &session, &console] {
    console.status = convert(*options, session, console);
  });
}

}  // namespace ppexport::cli

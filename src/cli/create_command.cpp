// `ppexport create`: the whole Create operation, as the window's Create button runs it. What the
// command is not given comes from the account's stored settings, so that
// `ppexport create --account Checking` repeats what the bookkeeper set up in the window.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <ostream>

#include "cli/commands.h"
#include "cli/identifier_options.h"
#include "cli/nearest_names.h"
#include "cli/result_output.h"
#include "cli/session.h"
#include "create/bank_inputs.h"
#include "create/create_operation.h"
#include "formats/bank_list.h"
#include "quickbooks/account_list.h"
#include "quickbooks/report_export.h"
#include "settings/account_settings.h"
#include "text/file_names.h"
#include "text/windows1252.h"
#include "transfer/bank_connection.h"

namespace ppexport::cli {

namespace {
struct CreateOptions {
  std::optional<std::string> account, bank, from, to, output;
  IdentifierOptions<std::optional<std::string>> identifiers;
  bool review = false;
  bool noReview = false;
  bool json = false;
  bool newOnly = false;
  bool all = false;
  bool noHistory = false;
  std::optional<std::string> registerFile, columns;
  bool send = false;
};

// The given text in Windows-1252, or the stored one.
std::string givenOr(const std::optional<std::string>& given, const std::string& stored) {
  return given ? utf8ToWindows1252(*given) : stored;
}

// A relative file name made whole, so that the window later writes the same file whatever its
// current folder; a name from a root (a drive's root on Windows) stays as given.
std::string absolutePath(const std::string& given) {
  const std::filesystem::path path = filePath(given);
  if (path.has_root_directory()) return given;
  std::error_code error;
  const std::filesystem::path whole = std::filesystem::absolute(path, error);
  return error ? given : fileName(whole.lexically_normal());
}

int indexIn(const std::vector<std::string>& list, const std::string& text) {
  auto found = std::find(list.begin(), list.end(), text);
  return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

int create(const CreateOptions& options, Session& session, Console& console) {
  const Clock* clock = session.clock();
  SettingsStore* settings = session.settings();
  if (clock == nullptr || settings == nullptr) return badUsage;
  if (options.registerFile &&
      !session.useRegister(*options.registerFile, options.account.value_or(""),
                           options.columns.value_or(""))) {
    return badUsage;
  }
  QuickBooksConnection* quickBooks = session.quickBooks();
  if (quickBooks == nullptr) return session.quickBooksFailure();
  const Date today = clock->now().date;

  // A bank format given by name must exist; a typed text in the window is its own matter.
  if (options.bank && !namesBankFormat(utf8ToWindows1252(*options.bank), settings)) {
    printUnknownName(console, "bank format", utf8ToWindows1252(*options.bank), bankList(settings));
    return badUsage;
  }
  // A register's checks are listed under the account given, or the one named after its file.
  const std::string account = options.account        ? utf8ToWindows1252(*options.account)
                              : session.registerFile() ? session.registerFile()->account()
                                                       : lastChosenAccount(*settings);
  const AccountSettings stored = getAccountSettings(*settings, account, today);

  AccountSettings saved = stored;
  saved.account = account;
  saved.bankList = givenOr(options.bank, stored.bankList);
  // The file name is a path of this computer, stored whole.
  saved.fileName = options.output ? absolutePath(*options.output) : stored.fileName;
  saved.remoteID = givenOr(options.identifiers.remoteId, stored.remoteID);
  saved.batchID = givenOr(options.identifiers.batchId, stored.batchID);
  saved.bankID = givenOr(options.identifiers.bankId, stored.bankID);
  saved.accountID = givenOr(options.identifiers.accountId, stored.accountID);
  saved.bankCode = givenOr(options.identifiers.bankCode, stored.bankCode);
  if (!takeBankCode(console, saved.bankList, saved.bankCode)) return badUsage;
  if (options.review) saved.createReviewFile = "1";
  if (options.noReview) saved.createReviewFile = "0";
  if (options.newOnly) saved.newOnly = "1";
  if (options.all) saved.newOnly = "0";
  // Dates not given follow the account's automatic range when it is on, as the window shows them.
  if (!options.from || !options.to) {
    if (checkBoxState(stored.autoDateRange) == 1) {
      if (std::optional<DateRangeTexts> range = automaticDateRange(stored.autoDateRangeDays, today)) {
        saved.fromDate = range->fromDate;
        saved.toDate = range->toDate;
      }
    }
  }
  saved.fromDate = givenOr(options.from, saved.fromDate);
  saved.toDate = givenOr(options.to, saved.toDate);

  // Like typed texts in the window, an account or bank that is not in its list has no index.
  const AccountList accounts = getAccountList(*quickBooks, reportFolder());
  // The window shows this at start-up; without it the refusal below would blame the account when
  // QuickBooks could not be reached at all.
  if (!accounts.errorMessage.empty()) {
    console.print(console.err, accounts.errorMessage);
    return failed;
  }
  if (options.account && indexIn(accounts.accounts, account) == -1) {
    printUnknownName(console, "bank account", account, accounts.accounts);
    return badUsage;
  }
  const VisibleIdentifiers visible = visibleIdentifiers(saved.bankList);
  CreateRequest request;
  request.bankListText = saved.bankList;
  request.bankListIndex = indexIn(bankList(settings), saved.bankList);
  request.accountText = account;
  request.accountIndex = indexIn(accounts.accounts, account);
  // The file is written and named as given; the account keeps it as a whole path.
  request.fileName = options.output ? *options.output : saved.fileName;
  request.fromDate = saved.fromDate;
  request.toDate = saved.toDate;
  request.bankId = {saved.bankID, visible.bankId};
  request.accountId = {saved.accountID, visible.accountId};
  request.remoteId = {saved.remoteID, visible.remoteId};
  request.batchId = {saved.batchID, visible.batchId};
  request.bankCode = saved.bankCode;
  request.createReviewFile = checkBoxState(saved.createReviewFile) == 1;
  request.newOnly = checkBoxState(saved.newOnly) == 1;
  request.accountSettings = saved;
  request.inputWarnings = unwritableCharacterWarnings(options.identifiers);
  const HistoryLocation history = session.history();
  // A file that could not be sent is not written first.
  if (options.send && !getBankConnection(*settings, account)) {
    console.print(console.err, "ppexport: " + noBankConnectionMessage(account));
    return badUsage;
  }

  const CreateOutcome outcome =
      createFile(request, CreateServices{quickBooks, settings, clock, reportFolder(), history.folder,
                                         !options.noHistory, history.error});
  switch (outcome.stage) {
    case CreateStage::Done: {
      printFileResult(console, options.json, !outcome.summary.allSentBefore, outcome.summary,
                      request.fileName);
      // A run that wrote nothing new has nothing to send.
      if (!options.send || outcome.summary.allSentBefore) return done;
      if (outcome.historyEntry.empty()) {
        console.print(console.err, "The file was not sent to the bank: it was not recorded in "
                                   "the history, which holds what is sent.");
        return failed;
      }
      // With --json the object stays alone on standard output.
      Console sending{options.json ? console.err : console.out, console.err};
      return sendRecordedFile(session, sending, outcome.historyEntry, false, false);
    }
    case CreateStage::Refused:
      console.print(console.err, outcome.message.text);
      return badUsage;
    case CreateStage::NotWritten: {
      FileSummary failure;
      failure.fileName = request.fileName;
      failure.count = outcome.count;
      failure.message = outcome.message.text;
      printFileResult(console, options.json, false, failure, request.fileName);
      return failed;
    }
    case CreateStage::ExportFailed:
      console.print(console.err, outcome.message.text);
      return failed;
  }
  return failed;
}
}  // namespace

void addCreateCommand(CLI::App& app, Session& session, Console& console) {
  auto options = std::make_shared<CreateOptions>();
  CLI::App* command = app.add_subcommand(
      "create", "Export the checks from QuickBooks and write the bank file (the Create button)");
  command->add_option("--account", options->account,
                      "QuickBooks bank account (default: the last one chosen)");
  command->add_option("--bank", options->bank, "Bank format name, or \"Custom Format: \" + name");
  command->add_option("--from", options->from, "First check date");
  command->add_option("--to", options->to, "Last check date");
  command->add_option("--output", options->output, "Bank file to write");
  addIdentifierOptions(*command, options->identifiers);
  CLI::Option* review =
      command->add_flag("--review", options->review, "Also write \"Positive Pay Review.csv\"");
  command->add_flag("--no-review", options->noReview, "Do not write the review file")
      ->excludes(review);
  command->add_flag("--json", options->json, "Print the result as one JSON object");
  CLI::Option* newOnly =
      command->add_flag("--new-only", options->newOnly,
                        "Leave out checks already sent in an earlier file (kept for the account)");
  command->add_flag("--all", options->all, "Write every check, also those sent before")
      ->excludes(newOnly);
  CLI::Option* noHistory = command->add_flag("--no-history", options->noHistory,
                                             "Do not record the file in the history");
  command->add_option("--register", options->registerFile,
                      "Read the checks from a register exported as CSV instead of QuickBooks");
  command->add_option("--columns", options->columns,
                      "The register's columns by heading: number=Ref,amount=Debit,... (kept for "
                      "the account)")
      ->needs("--register");
  command->add_flag("--send", options->send,
                    "Send the file to the bank over the account's bank connection")
      ->excludes(noHistory);
  command->footer(createAndConvertHelp(true));
  command->callback([options, &session, &console] {
    console.status = create(*options, session, console);
  });
}

}  // namespace ppexport::cli

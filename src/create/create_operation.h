#pragma once
// The Create operation: from the main window's choices to the finished bank file and the message
// that reports it. The window and the command line both run it.

#include <string>
#include <vector>

#include "create/result_summary.h"
#include "quickbooks/connection.h"
#include "settings/account_settings.h"
#include "settings/settings_store.h"
#include "text/clock.h"

namespace ppexport {

// The icon a message box shows with a message.
enum class MessageIcon { Critical, Information, Warning };

struct Message {
  std::string text;  // Windows-1252, lines separated by CR LF
  MessageIcon icon = MessageIcon::Information;
};

// An identifier text box: its text, and whether the chosen bank format shows it.
struct IdentifierBox {
  std::string text;
  bool visible = true;
};

// The main window's values as the Create operation reads them.
struct CreateRequest {
  std::string bankListText;
  int bankListIndex = -1;  // -1: the text matches no list entry
  std::string accountText;
  int accountIndex = -1;
  std::string fileName;
  std::string fromDate;
  std::string toDate;
  IdentifierBox bankId;
  IdentifierBox accountId;
  IdentifierBox remoteId;
  IdentifierBox batchId;
  std::string bankCode;
  bool createReviewFile = false;
  // Leave out the checks an earlier file of this account and bank format already carried.
  bool newOnly = false;
  // Everything the window saves for the account before anything is fetched.
  AccountSettings accountSettings;
  // Warnings about the values as they were given (characters the bank file cannot hold).
  std::vector<std::string> inputWarnings;
};

// The outside world of the operation.
struct CreateServices {
  QuickBooksConnection* quickBooks = nullptr;
  SettingsStore* settings = nullptr;
  const Clock* clock = nullptr;
  std::string reportFolder;  // where the temporary report files go (TEMP)
  // The sent-file history (UTF-8); "" keeps none and leaves nothing out.
  std::string historyFolder;
  // False records nothing (batch conversions, benchmarks), though the history is still read.
  bool recordHistory = true;
  // Why no history folder could be named, when historyFolder is "".
  std::string historyUnavailable;
};

enum class CreateStage {
  Refused,       // a choice failed its check: nothing was saved, exported or written
  ExportFailed,  // QuickBooks could not export the check report
  NotWritten,    // the bank file could not be written
  Done,          // the bank file was written (with 0 or more records)
};

struct CreateOutcome {
  CreateStage stage = CreateStage::Refused;
  Message message;
  int count = 0;
  bool reviewFileWritten = false;
  FileSummary summary;  // the written file's totals and warnings (stage Done)
  std::string historyEntry;  // the history entry that records the file; "" when none does
};

CreateOutcome createFile(const CreateRequest& request, const CreateServices& services);

// The texts of the refusals and the export failure.
inline constexpr std::string_view pickBankMessage =
    "Please pick a valid bank from the list of banks. Then try again.";
inline constexpr std::string_view pickAccountMessage =
    "Please pick a valid account from the list of bank accounts. Then try again.";
inline constexpr std::string_view enterFileNameMessage =
    "Please enter a valid output file name. Then try again.";
inline constexpr std::string_view validDatesMessage =
    "Please pick a valid bank account, enter valid from/to dates, and enter a valid export "
    "filename. Then try again.";
inline constexpr std::string_view pickBankCodeMessage =
    "Please pick a bank code from the list. Then try again.";
inline constexpr std::string_view exportFailedMessage =
    "An error occurred when creating the export file:";

}  // namespace ppexport

#pragma once
// The identifier options that `create` and `convert` share: the values the bank supplied, as the
// window's identifier boxes hold them.

#include <CLI/CLI.hpp>
#include <string_view>

namespace ppexport::cli {

// Text is std::string where an option not given counts as "", std::optional<std::string> where it
// means "keep what is stored".
template <typename Text>
struct IdentifierOptions {
  Text bankId, accountId, remoteId, batchId, bankCode;
};

// What the help of create and convert adds below their options.
inline constexpr std::string_view createAndConvertHelp =
    "Which identifier options a bank format takes, under the captions the window shows for them,\n"
    "and the bank codes it accepts: ppexport banks --inputs \"BANK FORMAT\"\n"
    "\n"
    "Dates (--from, --to) as the window reads them: 12/01/2026, 12-1-26, 2026-12-01, Dec 1, 2026.\n"
    "The clock (--now): YYYY-MM-DD or YYYY-MM-DDTHH:MM.\n"
    "\n"
    "Exit status: 0 done (warnings included), 1 the operation failed (export error, file not\n"
    "written, company file unreadable), 2 bad usage or a choice the window would refuse.";

template <typename Text>
void addIdentifierOptions(CLI::App& command, IdentifierOptions<Text>& identifiers) {
  command.add_option("--bank-id", identifiers.bankId, "Bank ID (Transit Number, ...)");
  command.add_option("--account-id", identifiers.accountId, "Account number");
  command.add_option("--remote-id", identifiers.remoteId, "Remote ID (Header Line, Co. Name, ...)");
  command.add_option("--batch-id", identifiers.batchId, "Batch ID (Plan Number, Bank Num, ...)");
  command.add_option("--bank-code", identifiers.bankCode, "Bank code from the format's list");
}

}  // namespace ppexport::cli

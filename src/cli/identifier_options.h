#pragma once
// The identifier options that `create` and `convert` share: the values the bank supplied, as the
// window's identifier boxes hold them.

#include <CLI/CLI.hpp>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "text/windows1252.h"

namespace ppexport::cli {

// Text is std::string where an option not given counts as "", std::optional<std::string> where it
// means "keep what is stored".
template <typename Text>
struct IdentifierOptions {
  Text bankId, accountId, remoteId, batchId, bankCode;
};

// What the help of create and convert adds below their options; convert takes no dates.
inline std::string createAndConvertHelp(bool dates) {
  return std::string(
             "Which identifier options a bank format takes, under the captions the window shows "
             "for them,\nand the bank codes it accepts: ppexport banks --inputs \"BANK FORMAT\"\n"
             "\n") +
         (dates ? "Dates (--from, --to) as the window reads them: 12/01/2026, 12-1-26, "
                  "2026-12-01, Dec 1, 2026.\n"
                : "") +
         "The clock (--now): YYYY-MM-DD or YYYY-MM-DDTHH:MM.\n"
         "\n"
         "Exit status: 0 done (warnings included), 1 the operation failed (export error, file not\n"
         "written, company file unreadable), 2 bad usage or a choice the window would refuse.";
}

// "Warning: --remote-id 'Zoë ☃' holds characters ..." for each identifier given with a character
// that Windows-1252, the bank file's encoding, has no place for: the file carries '?' there.
template <typename Text>
std::vector<std::string> unwritableCharacterWarnings(const IdentifierOptions<Text>& identifiers) {
  std::vector<std::string> warnings;
  const std::pair<std::string_view, const Text*> options[] = {
      {"--remote-id", &identifiers.remoteId},
      {"--bank-id", &identifiers.bankId},
      {"--batch-id", &identifiers.batchId},
      {"--account-id", &identifiers.accountId}};
  for (const auto& [option, given] : options) {
    const std::string text = [&]() -> std::string {
      if constexpr (std::is_same_v<Text, std::string>) {
        return *given;
      } else {
        return given->value_or("");
      }
    }();
    const std::string written = utf8ToWindows1252(text);
    if (windows1252ToUtf8(written) == text) continue;
    warnings.push_back("Warning: " + std::string(option) + " '" + written +
                       "' holds characters the bank file cannot, written as '?'.");
  }
  return warnings;
}

template <typename Text>
void addIdentifierOptions(CLI::App& command, IdentifierOptions<Text>& identifiers) {
  command.add_option("--bank-id", identifiers.bankId, "Bank ID (Transit Number, ...)");
  command.add_option("--account-id", identifiers.accountId, "Account number");
  command.add_option("--remote-id", identifiers.remoteId, "Remote ID (Header Line, Co. Name, ...)");
  command.add_option("--batch-id", identifiers.batchId, "Batch ID (Plan Number, Bank Num, ...)");
  command.add_option("--bank-code", identifiers.bankCode, "Bank code from the format's list");
}

}  // namespace ppexport::cli

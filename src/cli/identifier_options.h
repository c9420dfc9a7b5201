#pragma once
// The identifier options that `create` and `convert` share: the values the bank supplied, as the
// window's identifier boxes hold them.

#include <CLI/CLI.hpp>

namespace ppexport::cli {

// Text is std::string where an option not given counts as "", std::optional<std::string> where it
// means "keep what is stored".
template <typename Text>
struct IdentifierOptions {
  Text bankId, accountId, remoteId, batchId, bankCode;
};

template <typename Text>
void addIdentifierOptions(CLI::App& command, IdentifierOptions<Text>& identifiers) {
  command.add_option("--bank-id", identifiers.bankId, "Bank ID");
  command.add_option("--account-id", identifiers.accountId, "Account number");
  command.add_option("--remote-id", identifiers.remoteId, "Remote ID");
  command.add_option("--batch-id", identifiers.batchId, "Batch or plan number");
  command.add_option("--bank-code", identifiers.bankCode, "Bank code text");
}

}  // namespace ppexport::cli

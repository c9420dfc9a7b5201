// `ppexport accounts`: the company's active bank accounts, as the window's account list holds them.

#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "cli/session.h"
#include "quickbooks/account_list.h"
#include "quickbooks/report_export.h"

namespace ppexport::cli {

void addAccountsCommand(CLI::App& app, Session& session, Console& console) {
  CLI::App* command = app.add_subcommand("accounts", "List the active bank accounts");
  auto registerFile = std::make_shared<std::string>();
  auto columns = std::make_shared<std::string>();
  command->add_option("--register", *registerFile,
                      "A check register exported as CSV: its account (named after the file) "
                      "or the accounts of its account column");
  command->add_option("--columns", *columns,
                      "The register's columns by heading: number=Ref,amount=Debit,...");
  command->callback([&session, &console, registerFile, columns] {
    if (!registerFile->empty() && !session.useRegister(*registerFile, "", *columns)) {
      console.status = badUsage;
      return;
    }
    QuickBooksConnection* quickBooks = session.quickBooks();
    if (quickBooks == nullptr) {
      console.status = session.quickBooksFailure();
      return;
    }
    const AccountList accounts = getAccountList(*quickBooks, reportFolder());
    if (!accounts.errorMessage.empty()) {
      console.print(console.err, accounts.errorMessage);
      console.status = failed;
      return;
    }
    for (const std::string& account : accounts.accounts) console.print(console.out, account);
    console.status = done;
  });
}

}  // namespace ppexport::cli

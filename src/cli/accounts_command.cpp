// `ppexport accounts`: the company's active bank accounts, as the window's account list holds them.

#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "cli/session.h"
#include "quickbooks/account_list.h"
#include "quickbooks/report_export.h"

namespace ppexport::cli {

void addAccountsCommand(CLI::App& app, Session& session, Console& console) {
  CLI::App* command = app.add_subcommand("accounts", "List the active bank accounts");
  command->callback([&session, &console] {
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

#pragma once
// What the global options choose, opened once per run and only when a subcommand needs it: the
// settings store, the clock, and the QuickBooks connection.

#include <memory>
#include <optional>

#include "cli/commands.h"
#include "history/history_folder.h"
#include "quickbooks/connection_choice.h"
#include "quickbooks/register_connection.h"
#include "settings/open_settings_store.h"
#include "text/clock.h"

namespace ppexport::cli {

class Session {
 public:
  Session(const GlobalOptions& globals, Console& console) : globals_(&globals), console_(&console) {}

  // The settings store; nothing when the command line may not name one here (printed). A store
  // that cannot be used is returned all the same: its operations fail and say why.
  SettingsStore* settings();
  // The clock of --now or PPEXPORT_NOW, else the computer's; nothing when the text given is not
  // an instant (printed).
  const Clock* clock();
  // The QuickBooks to ask; says on standard error when the sample company plays it. Nothing,
  // with the reason printed, when the clock is wrong or the company file named cannot be read.
  QuickBooksConnection* quickBooks();
  // Makes quickBooks() play the register file given with --register: its checks listed under
  // account ("" names it after the file), its columns found by name after those of --columns
  // (UTF-8). False, with the reason printed, when --columns cannot be read.
  bool useRegister(const std::string& file, const std::string& account,
                   const std::string& columns);
  // The register played, when useRegister was called; nullptr otherwise.
  const RegisterFileConnection* registerFile() const { return register_.get(); }
  // The exit status of a command that found no QuickBooks to ask.
  int quickBooksFailure() const { return quickBooksFailure_; }

  // Prints why an operation of the settings store failed, unless it is the reason the store gave
  // on opening, which was printed then.
  void reportSettingsFailure(const SettingsStore& store);
  // The folder of the sent-file history: --history, PPEXPORT_HISTORY or the user's own; none,
  // with the reason, when that names a file that is not a folder.
  HistoryLocation history() const;

 private:
  const GlobalOptions* globals_;
  Console* console_;
  std::optional<OpenedSettingsStore> store_;
  std::unique_ptr<Clock> clock_;
  bool clockChecked_ = false;
  std::optional<QuickBooksChoice> quickBooks_;
  std::unique_ptr<RegisterFileConnection> register_;
  std::string registerPath_;
  int quickBooksFailure_ = badUsage;
};

}  // namespace ppexport::cli

#pragma once
// A check register exported by another accounting program plays QuickBooks: it answers the same
// report requests as the company file stand-in (chart of accounts, check report with the columns
// asked for, vendor list) and writes the same kind of report files, so that everything after the
// export works for it unchanged.

#include <string>
#include <vector>

#include "quickbooks/connection.h"
#include "quickbooks/register_file.h"
#include "settings/account_settings.h"

namespace ppexport {

class RegisterFileConnection final : public QuickBooksConnection {
 public:
  // Plays the register file at registerFile (UTF-8 name), read anew on every export. Without an
  // account column its checks are all of one account, called account, or after the file when
  // account is "". Columns named in mapping come first; without it, the mapping saved for the
  // account (in settings, which may be nullptr) is tried first. A mapping that worked for a check
  // report is saved for its account.
  RegisterFileConnection(std::string registerFile, std::string account, ColumnMapping mapping,
                         SettingsStore* settings);

  // "Success", or the export error text naming what is wrong with the file.
  std::string exportReport(const ExportRequest& request) override;
  // The rows of the last check report left out because their date or amount cannot be read.
  std::vector<std::string> exportWarnings() const override { return warnings_; }
  std::string checkSource() const override;

  // The account its checks are listed under when the file has no account column.
  const std::string& account() const { return account_; }
  // The register read as the next check report of account would read it.
  RegisterLoad load(const std::string& account) const;

 private:
  ColumnMapping mappingFor(const std::string& account) const;

  std::string registerFile_;
  std::string account_;
  ColumnMapping mapping_;
  SettingsStore* settings_;
  std::vector<std::string> warnings_;
};

// The account a register without an account column is listed under: its file name without the
// folder and the extension ("C:\Exports\Checking.csv" gives "Checking"), Windows-1252.
std::string registerAccountName(const std::string& registerFile);

}  // namespace ppexport

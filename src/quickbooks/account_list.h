#pragma once
// The account list of the main window: the company's active bank accounts, from QuickBooks' chart
// of accounts.

#include <string>
#include <vector>

#include "quickbooks/connection.h"

namespace ppexport {

struct AccountList {
  // The names of the rows whose "Type" is exactly "Bank" and "Active" exactly "True", in chart
  // order, duplicates kept.
  std::vector<std::string> accounts;
  // "Success", or the export's error text.
  std::string exportResult;
  // "" when the export succeeded; else the message the window shows, with the error text.
  std::string errorMessage;
};

// Exports the chart of accounts into "checks.txt" in tempFolder and reads the bank accounts from
// it. A chart without a "Type" or "Active" column gives no accounts.
AccountList getAccountList(QuickBooksConnection& connection, const std::string& tempFolder);

}  // namespace ppexport

#include "quickbooks/account_list.h"

#include "quickbooks/export_errors.h"
#include "quickbooks/report_export.h"
#include "quickbooks/report_folder_lock.h"
#include "quickbooks/report_table.h"
#include "settings/environment.h"

namespace ppexport {

AccountList getAccountList(QuickBooksConnection& connection, const std::string& tempFolder) {
  AccountList list;
  const std::string path = pathInFolder(tempFolder, std::string(checkReportFileName));
  ReportTable chart;
  {
    // No other copy of the program may export between this export and its reading.
    ReportFolderLock reportsLock(tempFolder);
    list.exportResult = exportReportAfresh(connection, chartOfAccountsRequest(path));
    readReportFile(path, fieldSeparator, chart);
  }
  if (list.exportResult != exportSucceeded) {
    list.errorMessage = accountListErrorMessage(list.exportResult);
    return list;
  }
  const int type = findColumn("Type", chart);
  const int active = findColumn("Active", chart);
  if (type == 0 || active == 0) return list;
  // Row 1 holds the headings, which never read "Bank" and "True".
  for (int row = 1; row <= chart.rows(); ++row) {
    if (chart.cell(row, type) == "Bank" && chart.cell(row, active) == "True") {
      list.accounts.emplace_back(chart.cell(row, 1));
    }
  }
  return list;
}

}  // namespace ppexport

#pragma once
// The three report requests the system sends to QuickBooks, and where their files go.

#include <string>
#include <string_view>

#include "quickbooks/connection.h"

namespace ppexport {

inline constexpr std::string_view checkReportFileName = "checks.txt";
inline constexpr std::string_view vendorReportFileName = "vendors.txt";

// The folder of the temporary report files: TEMP (then TMP) on Windows; elsewhere a folder of this
// run alone, made fresh inside TEMP (then TMPDIR, then /tmp).
std::string reportFolder();

// The chart of accounts ("qbCOA") and the vendor list ("qbVendorNames"): no date range (both
// dates 2010-01-01) and fifteen empty options.
ExportRequest chartOfAccountsRequest(const std::string& outputPath);
ExportRequest vendorListRequest(const std::string& outputPath);

// The column list of the check report for a bank format: Union Bank of California wants the Date
// first, every other format the Trans ID.
std::string checkReportColumns(std::string_view bankFormatName);

// The transaction report ("qbTransactionListGeneral") of one account and date range.
ExportRequest checkReportRequest(const Date& from, const Date& to, const std::string& outputPath,
                                 std::string_view columnList, std::string_view account);

// Deletes the old report file of the request's name and then has QuickBooks export the report,
// so that a failed export can never leave a stale report of an earlier run to be read. An old
// file that cannot be deleted is reported as an export error.
std::string exportReportAfresh(QuickBooksConnection& connection, const ExportRequest& request);

}  // namespace ppexport

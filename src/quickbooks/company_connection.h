#pragma once
// The QuickBooks stand-in: plays QuickBooks from a company file, on every platform. It answers the
// same export call as the real QuickBooks and writes its report files by the same contract: a
// headings line, the requested delimiter between fields, no quoting, Windows-1252 bytes, CR LF
// after every line, dates as MM/DD/YYYY and amounts as "-1234.50".

#include <optional>
#include <string>

#include "quickbooks/company_file.h"
#include "quickbooks/connection.h"
#include "text/clock.h"

namespace ppexport {

class CompanyFileConnection final : public QuickBooksConnection {
 public:
  // Plays the company file at companyFile, which is read anew on every export, as QuickBooks is
  // found anew. Register lines given in days before today are dated from clock's today; the clock
  // must outlive the connection.
  CompanyFileConnection(std::string companyFile, const Clock& clock);

  // "Success"; the "find a running copy" error text when the company file cannot be read; the
  // export error text when the report is unknown or its file cannot be written.
  std::string exportReport(const ExportRequest& request) override;

  std::string checkSource() const override { return "company file " + companyFile_; }

  const std::string& companyFile() const { return companyFile_; }

 private:
  std::string companyFile_;
  const Clock& clock_;
};

// The report of request from company, as the bytes of the report file. The known reports are
// "qbTransactionListGeneral" (the check register of the account named by option 13, or of every
// account when it is "", in the inclusive date range, with the columns of option 2 in that order
// and then "Amount"), "qbVendorNames" and "qbCOA". Nothing when the report name is unknown.
std::optional<std::string> companyReport(const Company& company, const ExportRequest& request);

// Writes the report of request from company into its file: "Success", or the export error text.
std::string exportCompanyReport(const Company& company, const ExportRequest& request);

}  // namespace ppexport

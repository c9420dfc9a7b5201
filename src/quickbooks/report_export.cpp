#include "quickbooks/report_export.h"

#include <filesystem>
#include <system_error>

#include "quickbooks/export_errors.h"
#include "quickbooks/report_table.h"
#include "settings/environment.h"
#include "text/file_names.h"
#include "text/leftovers.h"

#ifndef _WIN32
#include <stdlib.h>
#endif

namespace ppexport {

namespace {

// QuickBooks' default for reports that take no date range.
constexpr Date noDateRange{2010, 1, 1};

ExportRequest listRequest(const std::string& outputPath, const char* reportName) {
  ExportRequest request;
  request.from = noDateRange;
  request.to = noDateRange;
  request.outputPath = outputPath;
  request.delimiter = std::string(fieldSeparator);
  request.reportName = reportName;
  return request;
}

}  // namespace

#ifndef _WIN32
// A folder of this run alone (mode 0700), inside a temporary folder that other users share: the
// reports are the company's checks, and another user's files of the same names are none of this
// run's. It goes when the program ends; what a crash leaves, a later run removes.
class PrivateReportFolder {
 public:
  explicit PrivateReportFolder(const std::string& shared) {
    removeLeftovers(filePath(shared));
    path_ = pathInFolder(shared, temporaryNameEnd());
    // Without a folder of its own the exports fail, naming the folder they could not write in.
    if (::mkdtemp(path_.data()) != nullptr) made_ = true;
  }
  ~PrivateReportFolder() {
    std::error_code error;
    if (made_) std::filesystem::remove_all(filePath(path_), error);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  bool made_ = false;
};
#endif

std::string reportFolder() {
  std::string folder = environmentValue("TEMP");
#ifdef _WIN32
  if (folder.empty()) folder = environmentValue("TMP");
  return folder;
#else
  if (folder.empty()) folder = environmentValue("TMPDIR");
  if (folder.empty()) folder = "/tmp";
  static const PrivateReportFolder made(folder);
  return made.path();
#endif
}

ExportRequest chartOfAccountsRequest(const std::string& outputPath) {
  return listRequest(outputPath, "qbCOA");
}

ExportRequest vendorListRequest(const std::string& outputPath) {
  return listRequest(outputPath, "qbVendorNames");
}

std::string checkReportColumns(std::string_view bankFormatName) {
  if (bankFormatName == "Union Bank of California") {
    return "Date, Document Number, Trans ID, Cleared, Name, Name Type, Bill 1, Bill 2, Bill 3, "
           "Street, Street2, City, State, ZIP, Description, is Source";
  }
  return "Trans ID, Document Number, Cleared, Date, Name, Name Type, Bill 1, Bill 2, Bill 3, "
         "Street, Street2, City, State, ZIP, Description, is Source";
}

ExportRequest checkReportRequest(const Date& from, const Date& to, const std::string& outputPath,
                                 std::string_view columnList, std::string_view account) {
  ExportRequest request;
  request.from = from;
  request.to = to;
  request.outputPath = outputPath;
  request.delimiter = std::string(fieldSeparator);
  request.reportName = "qbTransactionListGeneral";
  request.options = {"summaryRows", std::string(columnList), "Amount",
                     "allCashDisbursementsDetail", "", "summaryOnly", "", "", "Transaction", "True",
                     "Sunday", "", std::string(account), "", ""};
  return request;
}

std::string exportReportAfresh(QuickBooksConnection& connection, const ExportRequest& request) {
  std::error_code error;
  try {
    std::filesystem::remove(filePath(request.outputPath), error);
  } catch (...) {
    error = std::make_error_code(std::errc::invalid_argument);
  }
  if (error) {
    return exportingErrorText(error.value(), "The old report file \"" + request.outputPath +
                                                 "\" could not be deleted: " + error.message());
  }
  return connection.exportReport(request);
}

}  // namespace ppexport

#include "quickbooks/company_connection.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "quickbooks/export_errors.h"
#include "text/file_names.h"
#include "text/windows1252.h"

namespace ppexport {

namespace {

using Row = std::vector<std::string>;

// Builds the bytes of a report file: fields joined by the delimiter, every line ending in CR LF.
// A delimiter inside a value would split its field, so it is written as a space.
class ReportWriter {
 public:
  explicit ReportWriter(std::string delimiter) : delimiter_(std::move(delimiter)) {}
  void line(const Row& fields) {
    for (std::size_t index = 0; index < fields.size(); ++index) {
      if (index > 0) bytes_ += delimiter_;
      std::string value = fields[index];
      for (std::size_t at = value.find(delimiter_); at != std::string::npos;
           at = value.find(delimiter_, at + 1)) {
        value.replace(at, delimiter_.size(), " ");
      }
      bytes_ += value;
    }
    bytes_ += "\r\n";
  }
  std::string bytes() { return std::move(bytes_); }

 private:
  std::string delimiter_;
  std::string bytes_;
};

std::string trueFalse(bool value) { return value ? "True" : "False"; }

std::string reportDate(const Date& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.month, date.day, date.year);
  return text;
}

// Every report ends in a column that is never empty: a reader takes a line that ends in empty
// fields for a record that a line break inside a value has split, and joins the next line to it.
std::string chartOfAccounts(const Company& company, ReportWriter writer) {
  writer.line({"Account", "Type", "Accnt. #", "Description", "Active"});
  for (const CompanyAccount& account : company.accounts) {
    writer.line({account.name, account.type, account.number, account.description,
                 trueFalse(account.active)});
  }
  return writer.bytes();
}

std::string vendorList(const Company& company, ReportWriter writer) {
  writer.line({"Full Name", "Print on Checks", "Company Name", "Street", "Street2", "City", "State",
               "ZIP", "Phone", "Active"});
  for (const CompanyName& vendor : company.vendors) {
    writer.line({vendor.name, vendor.printOnChecks, vendor.companyName, vendor.street,
                 vendor.street2, vendor.city, vendor.state, vendor.zip, vendor.phone,
                 trueFalse(vendor.active)});
  }
  return writer.bytes();
}

// The columns asked for in the column list option, in that order, then "Amount".
std::vector<std::string> requestedColumns(std::string_view columnList) {
  std::vector<std::string> columns;
  std::size_t start = 0;
  while (start <= columnList.size()) {
    std::size_t end = columnList.find(',', start);
    if (end == std::string_view::npos) end = columnList.size();
    const std::string_view column = trimSpaces(columnList.substr(start, end - start));
    if (!column.empty()) columns.emplace_back(column);
    start = end + 1;
  }
  if (columns.empty()) {
    columns = {"Trans ID", "Type", "Date", "Document Number", "Name", "Description", "Cleared"};
  }
  const bool hasAmount = std::any_of(columns.begin(), columns.end(), [](const std::string& column) {
    return upperCase(column) == "AMOUNT";
  });
  if (!hasAmount) columns.emplace_back("Amount");
  return columns;
}

// The cell of one register line under a column heading; "" for a column the stand-in does not know.
std::string transactionCell(const CompanyTransaction& line, const CompanyName* name,
                            const std::string& column) {
  const std::string heading = upperCase(column);
  if (heading == "TRANS ID") return std::to_string(line.id);
  if (heading == "TYPE") return line.type;
  if (heading == "DATE") return reportDate(line.date);
  if (heading == "DOCUMENT NUMBER" || heading == "NUM") return line.number;
  if (heading == "NAME") return line.name;
  if (heading == "NAME TYPE") return line.nameType;
  if (heading == "BILL 1") return line.billTo[0];
  if (heading == "BILL 2") return line.billTo[1];
  if (heading == "BILL 3") return line.billTo[2];
  if (heading == "DESCRIPTION" || heading == "MEMO") return line.memo;
  if (heading == "AMOUNT") return line.amount;
  if (heading == "CLEARED") return line.cleared;
  if (heading == "IS SOURCE") return trueFalse(line.isSource);
  if (heading == "ACCOUNT") return line.account;
  if (!name) return {};
  if (heading == "STREET") return name->street;
  if (heading == "STREET2") return name->street2;
  if (heading == "CITY") return name->city;
  if (heading == "STATE") return name->state;
  if (heading == "ZIP") return name->zip;
  return {};
}

std::string transactionList(const Company& company, const ExportRequest& request,
                            ReportWriter writer) {
  const std::vector<std::string> columns = requestedColumns(request.options[1]);
  const std::string& account = request.options[12];
  writer.line(columns);
  std::vector<const CompanyTransaction*> lines;
  for (const CompanyTransaction& line : company.transactions) {
    if ((account.empty() || line.account == account) && request.from <= line.date &&
        line.date <= request.to) {
      lines.push_back(&line);
    }
  }
  // QuickBooks lists a register by date; lines of one day keep the order they were entered in.
  std::stable_sort(lines.begin(), lines.end(),
                   [](const CompanyTransaction* left, const CompanyTransaction* right) {
                     return left->date < right->date;
                   });
  for (const CompanyTransaction* line : lines) {
    const CompanyName* name = company.findName(line->name);
    Row row;
    for (const std::string& column : columns) row.push_back(transactionCell(*line, name, column));
    writer.line(row);
  }
  return writer.bytes();
}

// Writes the report file whole; a file that could not be written completely is removed.
bool writeReportFile(const std::string& path, const std::string& bytes, std::string& reason) {
  {
    std::ofstream out(filePath(path), std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      out.flush();
    }
    if (out) return true;
    reason = std::strerror(errno);
  }
  std::error_code ignored;
  std::filesystem::remove(filePath(path), ignored);
  return false;
}

}  // namespace

std::optional<std::string> companyReport(const Company& company, const ExportRequest& request) {
  ReportWriter writer(request.delimiter);
  if (request.reportName == "qbTransactionListGeneral") {
    return transactionList(company, request, std::move(writer));
  }
  if (request.reportName == "qbVendorNames") return vendorList(company, std::move(writer));
  if (request.reportName == "qbCOA") return chartOfAccounts(company, std::move(writer));
  return std::nullopt;
}

std::string exportCompanyReport(const Company& company, const ExportRequest& request) {
  if (request.delimiter.empty()) {
    return exportingErrorText(standInError::unknownReport, "No field delimiter was given");
  }
  const std::optional<std::string> report = companyReport(company, request);
  if (!report) {
    return exportingErrorText(standInError::unknownReport,
                              "QuickBooks has no report named \"" + request.reportName + "\"");
  }
  std::string reason;
  if (!writeReportFile(request.outputPath, *report, reason)) {
    return exportingErrorText(
        standInError::reportNotWritten,
        "The report file \"" + request.outputPath + "\" could not be written: " + reason);
  }
  return std::string(exportSucceeded);
}

CompanyFileConnection::CompanyFileConnection(std::string companyFile, const Clock& clock)
    : companyFile_(std::move(companyFile)), clock_(clock) {}

std::string CompanyFileConnection::exportReport(const ExportRequest& request) try {
  const CompanyFileLoad load = loadCompanyFile(companyFile_, clock_.now().date);
  if (!load.loaded()) {
    // Without a company file QuickBooks is as good as closed; a file of another kind is named.
    return load.errorNumber == standInError::companyFileMissing
               ? findRunningCopyErrorText(load.errorNumber, load.errorDescription)
               : companyFileErrorText(load.errorNumber, load.errorDescription);
  }
  return exportCompanyReport(load.company, request);
} catch (...) {
  return exportingErrorText(standInError::reportNotWritten, "The report could not be made");
}

}  // namespace ppexport

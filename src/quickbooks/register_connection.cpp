#include "quickbooks/register_connection.h"

#include <filesystem>
#include <set>

#include "quickbooks/company_connection.h"
#include "quickbooks/export_errors.h"
#include "text/file_names.h"
#include "text/windows1252.h"

namespace ppexport {

namespace {

CompanyAccount bankAccount(const std::string& name) {
  CompanyAccount account;
  account.name = name;
  account.type = "Bank";
  return account;
}

// The register as the stand-in company plays it: one bank account per account of the register,
// its checks as register lines, and (for the vendor list only: a vendor without an address adds
// nothing to the check report) every payee as a vendor printed on checks as it is written, so
// that the check report's payees resolve to the register's own names.
Company registerCompany(const RegisterLoad& load, const std::string& account, bool vendors) {
  Company company;
  std::set<std::string> accounts;
  std::set<std::string> payees;
  if (!load.hasAccountColumn()) company.accounts.push_back(bankAccount(account));
  for (const RegisterCheck& check : load.checks) {
    CompanyTransaction line;
    line.account = load.hasAccountColumn() ? check.account : account;
    if (load.hasAccountColumn() && accounts.insert(line.account).second) {
      company.accounts.push_back(bankAccount(line.account));
    }
    if (vendors && !check.payee.empty() && payees.insert(check.payee).second) {
      CompanyName vendor;
      vendor.name = check.payee;
      vendor.nameType = "Vendor";
      company.vendors.push_back(std::move(vendor));
    }
    line.id = check.line;
    line.type = check.type;
    line.date = check.date;
    line.number = check.number;
    line.name = check.payee;
    line.nameType = check.payee.empty() ? "" : "Vendor";
    line.billTo[0] = check.payee;
    line.memo = check.memo;
    line.amount = check.amount;
    line.cleared = check.cleared ? "Cleared" : "Uncleared";
    company.transactions.push_back(std::move(line));
  }
  return company;
}

}  // namespace

std::string registerAccountName(const std::string& registerFile) try {
  return utf8ToWindows1252(fileName(filePath(registerFile).stem()));
} catch (...) {
  return "Register";
}

RegisterFileConnection::RegisterFileConnection(std::string registerFile, std::string account,
                                               ColumnMapping mapping, SettingsStore* settings)
    : registerFile_(std::move(registerFile)),
      account_(account.empty() ? registerAccountName(registerFile_) : std::move(account)),
      mapping_(std::move(mapping)),
      settings_(settings) {}

std::string RegisterFileConnection::checkSource() const {
  std::error_code error;
  const std::filesystem::path whole = std::filesystem::absolute(filePath(registerFile_), error);
  return "register file " + utf8ToWindows1252(error ? registerFile_ : fileName(whole));
}

ColumnMapping RegisterFileConnection::mappingFor(const std::string& account) const {
  if (!mapping_.empty() || settings_ == nullptr) return mapping_;
  const std::optional<std::string> saved =
      settings_->readSetting(account + std::string(registerColumnsKey));
  std::string ignored;
  if (!saved) return {};
  return parseColumnMapping(*saved, ignored).value_or(ColumnMapping{});
}

RegisterLoad RegisterFileConnection::load(const std::string& account) const {
  const ColumnMapping mapping = mappingFor(account);
  RegisterLoad load = readRegisterFile(registerFile_, mapping);
  // A saved mapping that does not fit this file gives way to the names the file uses.
  if (!load.readable() && mapping_.empty() && !mapping.empty()) {
    RegisterLoad byNames = readRegisterFile(registerFile_, ColumnMapping{});
    if (byNames.readable()) return byNames;
  }
  return load;
}

std::string RegisterFileConnection::exportReport(const ExportRequest& request) try {
  const bool checkReport = request.reportName == "qbTransactionListGeneral";
  const std::string account = checkReport && !request.options[12].empty() ? request.options[12]
                                                                          : account_;
  const RegisterLoad register_ = load(account);
  if (!register_.readable()) {
    return exportingErrorText(standInError::notACompanyFile, register_.problem);
  }
  const std::string exported = exportCompanyReport(
      registerCompany(register_, account_, request.reportName == "qbVendorNames"), request);
  if (checkReport && exported == exportSucceeded) {
    warnings_ = register_.warnings;
    if (!mapping_.empty() && settings_ != nullptr) {
      settings_->saveSetting(account + std::string(registerColumnsKey),
                             columnMappingText(mapping_));
    }
  }
  return exported;
} catch (...) {
  return exportingErrorText(standInError::reportNotWritten, "The register could not be read");
}

}  // namespace ppexport

#pragma once
// A company file: the accounts, names and check-register lines that the QuickBooks stand-in plays
// its reports from. It is JSON in UTF-8 (the layout is described in docs/company-file.md); once
// loaded, every text is held as Windows-1252 bytes, as QuickBooks' own reports hold them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "text/regional.h"

namespace ppexport {

// The stand-in's own error numbers, in the range that automation components raise their errors in
// (vbObjectError + 513 and on), so that they read like the errors of the real QuickBooks.
namespace standInError {
inline constexpr std::int64_t companyFileMissing = -2147220991;
inline constexpr std::int64_t companyFileUnreadable = -2147220990;
inline constexpr std::int64_t companyFileEmpty = -2147220989;
inline constexpr std::int64_t companyFileNotJson = -2147220988;
inline constexpr std::int64_t notACompanyFile = -2147220987;
inline constexpr std::int64_t reportNotWritten = -2147220986;
inline constexpr std::int64_t unknownReport = -2147220985;
}  // namespace standInError

struct CompanyAccount {
  std::string name;
  std::string type;  // "Bank", "Credit Card", "Income", "Expense", "Equity", ...
  bool active = true;
  std::string number;
  std::string description;
};

// A vendor, employee, customer or other name, with the address its checks are printed with.
struct CompanyName {
  std::string name;
  std::string nameType;       // "Vendor", "Employee", or the kind given for another name
  std::string printOnChecks;  // vendors: the name printed on checks, "" for the name itself
  std::string companyName;
  std::string street;
  std::string street2;
  std::string city;
  std::string state;
  std::string zip;
  std::string phone;
  bool active = true;
};

// One line of a bank account's check register.
struct CompanyTransaction {
  std::string account;
  long long id = 0;  // the Trans ID
  std::string type;  // "Check", "Bill Pmt -Check", "Paycheck", "Deposit", ...
  Date date;
  std::string number;  // the Document Number, "" for most deposits
  std::string name;
  std::string nameType;               // the name's kind unless the line gives its own
  std::array<std::string, 3> billTo;  // the printed address block
  std::string memo;                   // the Description
  std::string amount;                 // the register amount as the report shows it, "-1234.50"
  std::string cleared;                // "Cleared", "Uncleared" or "Pending"
  bool isSource = true;
};

struct Company {
  std::string name;
  std::vector<CompanyAccount> accounts;
  std::vector<CompanyName> vendors;
  std::vector<CompanyName> otherNames;  // employees, customers and other names
  std::vector<CompanyTransaction> transactions;

  // The vendor, employee or other name called name; nullptr when there is none.
  const CompanyName* findName(const std::string& name) const;
};

struct CompanyFileLoad {
  Company company;
  // 0 when the file was read; else the stand-in's error number and a description that names the
  // file and what is wrong with it.
  std::int64_t errorNumber = 0;
  std::string errorDescription;
  bool loaded() const { return errorNumber == 0; }
};

// Reads the company file at path. Register lines given in days before today are dated from today.
CompanyFileLoad loadCompanyFile(const std::string& path, const Date& today);

// The same, on the file's text already in memory; path only names the file in error descriptions.
CompanyFileLoad readCompanyText(const std::string& text, const std::string& path,
                                const Date& today);

}  // namespace ppexport

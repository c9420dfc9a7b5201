#include "quickbooks/register_columns.h"

#include <algorithm>

#include "text/windows1252.h"

namespace ppexport {

namespace {

struct RoleNames {
  RegisterRole role;
  std::string_view word;
  std::string_view description;  // in the refusal: "No column for the check number"
  std::vector<std::string_view> headings;
};

// The headings under which accounting programs export each column of a bank account's register,
// compared by headingKey:
// - QuickBooks Online "Check Detail": Date, Transaction Type, Num, Name, Memo/Description, Clr,
//   Amount (checks negative); its bank register export: Date, Ref No., Type, Payee, Account,
//   Memo, Payment, Deposit, Reconciliation Status, Balance. QuickBooks Desktop's own reports:
//   Document Number, Name, Description, Cleared.
// - Xero "Account Transactions": Date, Source (Spend Money, Receive Money, Payable Payment, ...),
//   Contact, Description, Reference, Debit, Credit, Running Balance. A bank account's money out
//   stands under Credit there (see readRegisterFile for how the sides are told apart).
// - Sage 50 Check/Payment Register and account reconciliation: Reference, Date, Payee,
//   Payee/Description, Amount, Payment, Deposit, Reconciled; Sage bank activity: Ref, Date,
//   Details, Payments, Receipts.
// - Wave "Account Transactions": Date, Account, Description, Debit, Credit, Balance; its
//   transaction CSV: Transaction Date, Description, Amount, Reference, Payee Name, Notes.
// - Spreadsheets and bank statements: Check No, Check #, Paid To, Vendor, Withdrawal, Deposit.
// A role's earlier names win over its later ones, and earlier roles over later ones.
const std::vector<RoleNames>& roleTable() {
  static const std::vector<RoleNames> table = {
      {RegisterRole::Number, "number", "the check number",
       {"Num", "No.", "Check No", "Check Number", "Check #", "Cheque No", "Cheque Number",
        "Document Number", "Doc No", "Ref No.", "Ref", "Reference", "Reference Number"}},
      {RegisterRole::Date, "date", "the date",
       {"Date", "Transaction Date", "Txn Date", "Check Date", "Payment Date"}},
      {RegisterRole::Payee, "payee", "the payee",
       {"Payee", "Name", "Paid To", "Vendor", "Vendor Name", "Payee Name", "Contact", "Supplier",
        "Payee/Description"}},
      {RegisterRole::Amount, "amount", "the amount", {"Amount", "Check Amount"}},
      {RegisterRole::Payment, "payment", "the payments",
       {"Payment", "Payments", "Debit", "Withdrawal", "Withdrawals", "Spent", "Money Out"}},
      {RegisterRole::Deposit, "deposit", "the deposits",
       {"Deposit", "Deposits", "Credit", "Received", "Receipts", "Money In"}},
      {RegisterRole::Memo, "memo", "the memo",
       {"Memo", "Memo/Description", "Description", "Details", "Notes"}},
      {RegisterRole::Cleared, "cleared", "the cleared state",
       {"Clr", "Cleared", "Reconciled", "Reconciliation Status", "Status"}},
      {RegisterRole::Type, "type", "the transaction type",
       {"Type", "Transaction Type", "Txn Type", "Source"}},
      // A register's plain "Account" is the other side of each line (the expense), so only a
      // heading that says bank account names the account a check was drawn on.
      {RegisterRole::Account, "account", "the bank account", {"Bank Account", "Bank Account Name"}},
  };
  return table;
}

const RoleNames& namesOf(RegisterRole role) { return roleTable()[static_cast<std::size_t>(role)]; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

int columnOf(RegisterRole role, const RegisterColumns& columns) {
  return columns[static_cast<std::size_t>(role)];
}

}  // namespace

std::string_view roleWord(RegisterRole role) { return namesOf(role).word; }

std::string headingKey(std::string_view heading) {
  std::string key;
  for (char c : heading) {
    if (c >= 'A' && c <= 'Z') key.push_back(static_cast<char>(c - 'A' + 'a'));
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) key.push_back(c);
    if (c == '#') key += "no";  // "Check #" is "Check No"
  }
  return key;
}

std::optional<ColumnMapping> parseColumnMapping(std::string_view text, std::string& problem) {
  ColumnMapping mapping;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(',', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view entry = trimmed(text.substr(start, end - start));
    start = end + 1;
    if (entry.empty()) continue;
    const std::size_t equals = entry.find('=');
    if (equals == std::string_view::npos) {
      problem = "\"" + std::string(entry) + "\" does not say role=Heading";
      return std::nullopt;
    }
    const std::string word = headingKey(entry.substr(0, equals));
    const std::string_view heading = trimmed(entry.substr(equals + 1));
    const auto role = std::find_if(roleTable().begin(), roleTable().end(),
                                   [&word](const RoleNames& names) { return names.word == word; });
    if (role == roleTable().end() || heading.empty()) {
      problem = "\"" + std::string(entry) +
                "\" names no column role; the roles are number, date, payee, amount, payment, "
                "deposit, memo, cleared, type and account";
      return std::nullopt;
    }
    mapping.columns.emplace_back(role->role, std::string(heading));
  }
  return mapping;
}

std::string columnMappingText(const ColumnMapping& mapping) {
  std::string text;
  for (const auto& [role, heading] : mapping.columns) {
    if (!text.empty()) text += ",";
    text += std::string(roleWord(role)) + "=" + heading;
  }
  return text;
}

RegisterColumns findRegisterColumns(const std::vector<std::string>& headings,
                                    const ColumnMapping& mapping) {
  RegisterColumns columns;
  columns.fill(-1);
  std::vector<std::string> keys;
  for (const std::string& heading : headings) keys.push_back(headingKey(heading));
  std::vector<bool> taken(keys.size(), false);
  auto take = [&](RegisterRole role, std::string_view heading) {
    int& column = columns[static_cast<std::size_t>(role)];
    if (column != -1) return;
    const std::string key = headingKey(heading);
    for (std::size_t index = 0; index < keys.size(); ++index) {
      if (!taken[index] && !key.empty() && keys[index] == key) {
        column = static_cast<int>(index);
        taken[index] = true;
        return;
      }
    }
  };
  for (const auto& [role, heading] : mapping.columns) take(role, heading);
  // A role the user named keeps to that name: the table does not stand in for a wrong one.
  auto named = [&mapping](RegisterRole role) {
    return std::any_of(mapping.columns.begin(), mapping.columns.end(),
                       [role](const auto& entry) { return entry.first == role; });
  };
  for (const RoleNames& names : roleTable()) {
    if (named(names.role)) continue;
    for (std::string_view heading : names.headings) take(names.role, heading);
  }
  // One signed amount, or payments beside deposits: a named pair wins over a found Amount.
  if (columnOf(RegisterRole::Payment, columns) != -1 && columnOf(RegisterRole::Amount, columns) != -1) {
    if (named(RegisterRole::Payment)) {
      columns[static_cast<std::size_t>(RegisterRole::Amount)] = -1;
    } else {
      columns[static_cast<std::size_t>(RegisterRole::Payment)] = -1;
      columns[static_cast<std::size_t>(RegisterRole::Deposit)] = -1;
    }
  }
  return columns;
}

bool looksLikeHeadingLine(const RegisterColumns& columns) {
  return columnOf(RegisterRole::Number, columns) != -1 &&
         columnOf(RegisterRole::Date, columns) != -1 &&
         (columnOf(RegisterRole::Amount, columns) != -1 ||
          columnOf(RegisterRole::Payment, columns) != -1);
}

std::string missingColumnsMessage(const RegisterColumns& columns,
                                  const std::vector<std::string>& headings,
                                  const ColumnMapping& mapping) {
  std::vector<std::string> missing;
  std::array<bool, registerRoleCount> told{};
  // A column the user named and the file lacks is said by its name.
  for (const auto& [role, heading] : mapping.columns) {
    if (columnOf(role, columns) == -1 && !told[static_cast<std::size_t>(role)]) {
      missing.push_back("no column \"" + heading + "\" for " +
                        std::string(namesOf(role).description));
      told[static_cast<std::size_t>(role)] = true;
    }
  }
  const bool hasAmount = columnOf(RegisterRole::Amount, columns) != -1 ||
                         columnOf(RegisterRole::Payment, columns) != -1;
  // A register without payees still gives checks; a bank that wants them says so itself.
  for (RegisterRole role : {RegisterRole::Number, RegisterRole::Date, RegisterRole::Amount}) {
    const bool present = role == RegisterRole::Amount ? hasAmount : columnOf(role, columns) != -1;
    if (!present && !told[static_cast<std::size_t>(role)]) {
      missing.push_back("no column for " + std::string(namesOf(role).description));
    }
  }
  if (missing.empty()) return {};
  std::string message;
  for (const std::string& part : missing) {
    message += message.empty() ? std::string(1, upperCase(part[0])) + part.substr(1) : ", " + part;
  }
  message += "; found: ";
  bool first = true;
  for (const std::string& heading : headings) {
    if (trimmed(heading).empty()) continue;
    message += (first ? "" : ", ") + std::string(trimmed(heading));
    first = false;
  }
  if (first) message += "no headings";
  return message + ".";
}

}  // namespace ppexport

#include "quickbooks/register_file.h"

#include <algorithm>

#include "history/entry_layout.h"
#include "text/amounts.h"
#include "text/file_names.h"
#include "text/windows1252.h"

namespace ppexport {

namespace {

// The heading line is looked for among this many records at the top of the file: report exports
// put a few title lines (company, report name, date range) above it.
constexpr std::size_t headingSearchDepth = 50;

// The file's text as Windows-1252: UTF-8 (recognised by its byte order mark, or by being
// well-formed UTF-8 with characters beyond ASCII) is converted, anything else is taken as it is.
std::string windows1252Text(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return utf8ToWindows1252(bytes.substr(3));
  bool beyondAscii = false;
  for (std::size_t at = 0; at < bytes.size();) {
    if (static_cast<unsigned char>(bytes[at]) < 0x80) {
      ++at;
      continue;
    }
    const std::size_t length = utf8CharacterLength(bytes.substr(at));
    if (length == 0) return std::string(bytes);
    beyondAscii = true;
    at += length;
  }
  return beyondAscii ? utf8ToWindows1252(bytes) : std::string(bytes);
}

struct Record {
  int line = 0;
  std::vector<std::string> fields;
};

// A tab-separated file has more tabs than commas at its top; amounts with group separators put
// commas into many comma-separated ones, but never as many as there are fields.
char delimiterOf(std::string_view text) {
  const std::string_view top = text.substr(0, 65536);
  const auto tabs = std::count(top.begin(), top.end(), '\t');
  const auto commas = std::count(top.begin(), top.end(), ',');
  return tabs > commas ? '\t' : ',';
}

// Splits the text into records: fields between delimiters, a quoted field taking delimiters,
// doubled quotes and line breaks as its own; a line ends in LF, CR LF or CR.
std::vector<Record> splitRecords(std::string_view text, char delimiter) {
  std::vector<Record> records;
  int line = 1;
  std::size_t at = 0;
  while (at < text.size()) {
    Record record;
    record.line = line;
    std::string field;
    bool quoted = false;
    bool endOfRecord = false;
    while (at < text.size() && !endOfRecord) {
      const char c = text[at++];
      if (quoted) {
        if (c == '"') {
          if (at < text.size() && text[at] == '"') {
            field.push_back('"');
            ++at;
          } else {
            quoted = false;
          }
          continue;
        }
        if (c == '\n' || (c == '\r' && (at >= text.size() || text[at] != '\n'))) ++line;
        field.push_back(c);
        continue;
      }
      if (c == '"') {
        quoted = true;
      } else if (c == delimiter) {
        record.fields.push_back(std::move(field));
        field.clear();
      } else if (c == '\r' || c == '\n') {
        if (c == '\r' && at < text.size() && text[at] == '\n') ++at;
        ++line;
        endOfRecord = true;
      } else {
        field.push_back(c);
      }
    }
    record.fields.push_back(std::move(field));
    records.push_back(std::move(record));
  }
  return records;
}

std::string_view cellOf(const Record& record, int column) {
  if (column < 0 || static_cast<std::size_t>(column) >= record.fields.size()) return {};
  std::string_view cell = record.fields[static_cast<std::size_t>(column)];
  while (!cell.empty() && (cell.front() == ' ' || cell.front() == '\t')) cell.remove_prefix(1);
  while (!cell.empty() && (cell.back() == ' ' || cell.back() == '\t')) cell.remove_suffix(1);
  return cell;
}

bool beginsWith(std::string_view text, std::string_view word) {
  return upperCase(text.substr(0, word.size())) == word;
}

std::size_t knownRoles(const RegisterColumns& columns) {
  return static_cast<std::size_t>(
      std::count_if(columns.begin(), columns.end(), [](int column) { return column != -1; }));
}

// A register's type says whether a row is a check: QuickBooks' "Check", "Bill Payment (Check)",
// "Paycheck", a cheque elsewhere, and Xero's payments made ("Spend Money", "Payable Payment").
bool isCheckType(std::string_view type) {
  const std::string key = headingKey(type);
  return key.find("check") != std::string::npos || key.find("cheque") != std::string::npos ||
         key == "spendmoney" || key == "payablepayment";
}

bool saysCleared(std::string_view state) {
  const std::string key = headingKey(state);
  return key == "c" || key == "r" || key == "y" || key == "yes" || key == "cleared" ||
         key == "reconciled";
}

class RowReader {
 public:
  RowReader(const RegisterColumns& columns, RegisterLoad& load) : columns_(columns), load_(load) {}

  int column(RegisterRole role) const { return columns_[static_cast<std::size_t>(role)]; }
  std::string_view cell(const Record& record, RegisterRole role) const {
    return cellOf(record, column(role));
  }

  // Whether the record is a register row at all: blank lines, section headings, split lines,
  // report footers and total lines carry neither a check number nor an amount of their own.
  // A line of one field is a title, a section heading or a footer.
  bool isRow(const Record& record) const {
    int filled = 0;
    for (std::string_view field : record.fields) {
      const std::string_view text = trimSpaces(field);
      if (text.empty()) continue;
      if (filled++ == 0 && beginsWith(text, "TOTAL")) return false;
    }
    if (filled < 2) return false;
    const bool hasAmount = !cell(record, RegisterRole::Amount).empty() ||
                           !cell(record, RegisterRole::Payment).empty() ||
                           !cell(record, RegisterRole::Deposit).empty();
    const bool hasNumber = !cell(record, RegisterRole::Number).empty();
    const bool hasDateOrPayee =
        !cell(record, RegisterRole::Date).empty() || !cell(record, RegisterRole::Payee).empty();
    return (hasAmount || hasNumber) && (hasNumber || hasDateOrPayee);
  }

  // The row's register amount (money out negative); nothing when a cell cannot be read.
  std::optional<double> amount(const Record& record, bool paymentsUnderDeposit) {
    if (column(RegisterRole::Amount) != -1) {
      return readAmount(record, RegisterRole::Amount);
    }
    RegisterRole out = paymentsUnderDeposit ? RegisterRole::Deposit : RegisterRole::Payment;
    RegisterRole in = paymentsUnderDeposit ? RegisterRole::Payment : RegisterRole::Deposit;
    const std::optional<double> paid = readAmount(record, out);
    const std::optional<double> received = readAmount(record, in);
    if (!paid || !received) return std::nullopt;
    // A row with neither is no amount of 0: it is never written as one.
    if (cell(record, out).empty() && cell(record, in).empty()) return std::nullopt;
    return *received - *paid;
  }

  void warn(const Record& record, std::string_view what, std::string_view text) {
    load_.warnings.push_back("Warning: line " + std::to_string(record.line) +
                             " of the register was left out: its " + std::string(what) + " \"" +
                             std::string(text) + "\" cannot be read.");
  }

 private:
  // An empty payment or deposit cell is 0; an empty single amount cannot be read.
  std::optional<double> readAmount(const Record& record, RegisterRole role) {
    const std::string_view text = cell(record, role);
    if (text.empty() && role != RegisterRole::Amount) return 0.0;
    return regional().toNumber(text);
  }

  const RegisterColumns& columns_;
  RegisterLoad& load_;
};

// The length of the word "VOID" or "VOIDED" (any case) that text begins with; 0 when it begins
// with another word ("Voidstar Supply").
std::size_t voidWordLength(std::string_view text) {
  for (std::string_view word : {"VOIDED", "VOID"}) {
    if (!beginsWith(text, word)) continue;
    const char next = text.size() > word.size() ? upperCase(text[word.size()]) : ' ';
    if (next < 'A' || next > 'Z') return word.size();
  }
  return 0;
}

// A memo or payee that says the check was voided: "Void", "VOID:", "Voided - printer jam".
bool saysVoid(std::string_view text) { return voidWordLength(trimSpaces(text)) > 0; }

// The memo of a void as QuickBooks' reports show it: a void row has the amount 0 and a memo that
// begins with "VOID", and "VOID: 125.00" when the amount it had is known.
std::string voidMemo(std::string_view memo, double amountBefore) {
  if (amountBefore != 0 && !beginsWith(memo, "VOID:")) {
    const std::string amount = formatTwoDecimals(amountBefore < 0 ? -amountBefore : amountBefore);
    return "VOID: " + amount + (memo.empty() ? "" : " " + std::string(memo));
  }
  if (beginsWith(memo, "VOID")) return std::string(memo);
  return "VOID" + (memo.empty() ? std::string() : " " + std::string(memo));
}

// Xero's and Wave's ledger reports put a bank account's money out under Credit, bank statements
// and spreadsheets under Debit: in a register with a type column, the side that its checks use is
// the money out.
bool checksStandUnderDeposit(const std::vector<Record>& records, std::size_t first,
                             const RowReader& reader) {
  if (reader.column(RegisterRole::Type) == -1 || reader.column(RegisterRole::Amount) != -1 ||
      reader.column(RegisterRole::Deposit) == -1) {
    return false;
  }
  long balance = 0;
  for (std::size_t index = first; index < records.size(); ++index) {
    const Record& record = records[index];
    if (!isCheckType(reader.cell(record, RegisterRole::Type))) continue;
    if (!reader.cell(record, RegisterRole::Deposit).empty()) ++balance;
    if (!reader.cell(record, RegisterRole::Payment).empty()) --balance;
  }
  return balance > 0;
}

}  // namespace

RegisterLoad readRegisterFile(const std::string& path, const ColumnMapping& mapping) {
  std::string problem;
  const std::optional<std::string> bytes = readFileBytes(path, problem);
  if (!bytes) {
    RegisterLoad load;
    load.problem = "The register file \"" + path + "\" cannot be read: " + problem;
    return load;
  }
  return readRegisterText(*bytes, mapping);
}

RegisterLoad readRegisterText(std::string_view bytes, const ColumnMapping& mapping) {
  RegisterLoad load;
  const std::string text = windows1252Text(bytes);
  const std::vector<Record> records = splitRecords(text, delimiterOf(text));

  // The heading line: the first that names a check number, a date and an amount; failing that,
  // the line that names the most roles is the one the refusal shows.
  std::size_t heading = records.size();
  std::size_t best = records.size();
  std::size_t bestRoles = 0;
  for (std::size_t index = 0; index < records.size() && index < headingSearchDepth; ++index) {
    const RegisterColumns columns = findRegisterColumns(records[index].fields, mapping);
    if (looksLikeHeadingLine(columns) &&
        missingColumnsMessage(columns, records[index].fields, mapping).empty()) {
      heading = index;
      break;
    }
    if (knownRoles(columns) > bestRoles) {
      bestRoles = knownRoles(columns);
      best = index;
    }
  }
  if (heading == records.size()) {
    if (best == records.size()) {
      load.problem = "The register file has no heading line: no line names the columns of a check "
                     "number, a date and an amount.";
      return load;
    }
    load.headings = records[best].fields;
    load.columns = findRegisterColumns(load.headings, mapping);
    load.problem = missingColumnsMessage(load.columns, load.headings, mapping);
    if (load.problem.empty()) {
      load.problem = "The register file has no heading line naming a check number, a date and an "
                     "amount.";
    }
    return load;
  }
  load.headings = records[heading].fields;
  load.headingLine = records[heading].line;
  load.columns = findRegisterColumns(load.headings, mapping);

  RowReader reader(load.columns, load);
  const bool hasType = reader.column(RegisterRole::Type) != -1;
  const bool underDeposit = checksStandUnderDeposit(records, heading + 1, reader);
  std::vector<std::pair<double, std::size_t>> amounts;  // each check's amount, for the sign below
  for (std::size_t index = heading + 1; index < records.size(); ++index) {
    const Record& record = records[index];
    if (!reader.isRow(record)) continue;
    const std::string_view type = reader.cell(record, RegisterRole::Type);
    if (hasType && !isCheckType(type)) continue;
    const std::string_view dateText = reader.cell(record, RegisterRole::Date);
    const std::optional<Date> date = regional().toDate(dateText);
    if (!date) {
      reader.warn(record, "date", dateText);
      continue;
    }
    const std::optional<double> amount = reader.amount(record, underDeposit);
    if (!amount) {
      const RegisterRole shown = reader.column(RegisterRole::Amount) != -1 ? RegisterRole::Amount
                                 : !reader.cell(record, RegisterRole::Payment).empty()
                                     ? RegisterRole::Payment
                                     : RegisterRole::Deposit;
      reader.warn(record, "amount", reader.cell(record, shown));
      continue;
    }
    RegisterCheck check;
    check.line = record.line;
    check.account = std::string(reader.cell(record, RegisterRole::Account));
    check.type = hasType ? std::string(type) : "Check";
    check.date = *date;
    check.number = std::string(reader.cell(record, RegisterRole::Number));
    check.payee = std::string(reader.cell(record, RegisterRole::Payee));
    check.memo = std::string(reader.cell(record, RegisterRole::Memo));
    check.cleared = saysCleared(reader.cell(record, RegisterRole::Cleared));
    const bool isVoid = headingKey(type).find("void") != std::string::npos ||
                        saysVoid(check.memo) || saysVoid(check.payee);
    if (isVoid) {
      // "VOID" in place of the payee, or before it ("VOID: Harbor Linen"), is no part of it.
      if (saysVoid(check.payee)) {
        std::string_view payee = trimSpaces(check.payee);
        payee.remove_prefix(std::min(payee.size(), voidWordLength(payee)));
        if (!payee.empty() && payee.front() == ':') payee.remove_prefix(1);
        check.payee = std::string(trimSpaces(payee));
      }
      check.memo = voidMemo(check.memo, *amount);
      check.amount = "0.00";
    } else {
      amounts.emplace_back(*amount, load.checks.size());
    }
    load.checks.push_back(std::move(check));
  }

  // A single amount column whose amounts are all positive lists the checks' amounts, money out;
  // otherwise it is a register's signed amount. Without a type column, money in is a deposit.
  const bool allPositive =
      reader.column(RegisterRole::Amount) != -1 &&
      std::none_of(amounts.begin(), amounts.end(), [](const auto& entry) { return entry.first < 0; });
  std::vector<bool> deposit(load.checks.size(), false);
  for (const auto& [amount, index] : amounts) {
    const double registerAmount = allPositive ? -amount : amount;
    load.checks[index].amount = formatTwoDecimals(registerAmount);
    deposit[index] = !hasType && registerAmount > 0;
  }
  std::size_t kept = 0;
  for (std::size_t index = 0; index < load.checks.size(); ++index) {
    if (deposit[index]) continue;
    if (kept != index) load.checks[kept] = std::move(load.checks[index]);
    ++kept;
  }
  load.checks.resize(kept);
  return load;
}

std::string registerPreview(const RegisterLoad& load, int rows) {
  if (!load.readable()) return load.problem;
  std::string preview = "Columns:";
  bool first = true;
  for (std::size_t role = 0; role < registerRoleCount; ++role) {
    const int column = load.columns[role];
    if (column == -1) continue;
    preview += std::string(first ? " " : ", ") +
               std::string(roleWord(static_cast<RegisterRole>(role))) + " = " +
               std::string(trimSpaces(load.headings[static_cast<std::size_t>(column)]));
    first = false;
  }
  preview += "\r\n" + std::to_string(load.checks.size()) + " check" +
             (load.checks.size() == 1 ? "" : "s") + " read";
  if (!load.warnings.empty()) {
    preview += ", " + std::to_string(load.warnings.size()) + " row" +
               (load.warnings.size() == 1 ? "" : "s") + " left out";
  }
  preview += ".";
  for (int index = 0; index < rows && static_cast<std::size_t>(index) < load.checks.size();
       ++index) {
    const RegisterCheck& check = load.checks[static_cast<std::size_t>(index)];
    preview += "\r\n" + check.number + "  " + regional().shortDate(check.date) + "  " +
               check.payee + "  " + check.amount + (check.cleared ? "  cleared" : "") +
               (check.amount == "0.00" && beginsWith(check.memo, "VOID") ? "  void" : "");
  }
  return preview;
}

}  // namespace ppexport

#pragma once
// A check register exported by an accounting program (QuickBooks Online, Xero, Sage, Wave, a
// spreadsheet) as comma- or tab-separated text, read into the checks the QuickBooks check report
// would list: the heading line found below any title lines, its columns found by name, the rows
// read until the totals, and each row's values put into QuickBooks' terms (the register sign,
// "Cleared"/"Uncleared", a void's "VOID:" memo).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quickbooks/register_columns.h"
#include "text/regional.h"

namespace ppexport {

// One check of the register, as the check report's row would hold it (Windows-1252).
struct RegisterCheck {
  int line = 0;         // the line of the file its row begins on
  std::string account;  // "" when the register has no account column
  std::string type;     // the register's own type text, "Check" when it has none
  Date date;
  std::string number;
  std::string payee;
  std::string memo;    // a void's memo begins with "VOID" ("VOID: 125.00 ..." with its amount)
  std::string amount;  // the register amount: money out negative, "-1234.50"; "0.00" for a void
  bool cleared = false;
};

struct RegisterLoad {
  // "" when the register was read; else why it cannot be (a file that cannot be read, or the
  // columns missing: "No column for the check number; found: Date, Description, Debit.").
  std::string problem;
  std::vector<std::string> headings;  // of the heading line, Windows-1252
  RegisterColumns columns = noRegisterColumns();
  int headingLine = 0;
  std::vector<RegisterCheck> checks;
  // One line per row left out because its date or amount cannot be read, naming its line.
  std::vector<std::string> warnings;
  bool readable() const { return problem.empty(); }
  bool hasAccountColumn() const {
    return columns[static_cast<std::size_t>(RegisterRole::Account)] != -1;
  }
};

// Reads the register file at path (UTF-8 name) with the columns of mapping first.
RegisterLoad readRegisterFile(const std::string& path, const ColumnMapping& mapping);
// The same on the file's bytes: UTF-8 with or without its byte order mark, or Windows-1252.
RegisterLoad readRegisterText(std::string_view bytes, const ColumnMapping& mapping);

// What the window shows before Create (Windows-1252, lines separated by CR LF): the column of
// each role found, then the first checks as they will be read.
std::string registerPreview(const RegisterLoad& load, int rows);

}  // namespace ppexport

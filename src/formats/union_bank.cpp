// Union Bank of California: one 40-character record per check, and after each run of checks of
// one issue date a date total record with that run's count and amount.

#include "formats/bank_file.h"
#include "formats/bank_formats.h"
#include "formats/running_total.h"

namespace ppexport {

WriterResult writeUnionBankOfCalifornia(const WriterInputs& inputs) {
  BankFile file(inputs);
  // Voids are written but neither counted nor totalled; the file count is the writer's result.
  int fileCount = 0;
  int dateCount = 0;
  RunningTotal dateTotal;
  bool runOpen = false;

  auto writeDateTotal = [&](const std::optional<Date>& date) {
    file.write(FixedRecord()
                   .zeroFilled(file.accountId(), 10)
                   .zeroFilled(file.bankId(), 4)
                   .zeroFilled(dateCount, 6)
                   .date(date, "MMDDYY")
                   .zeroFilled(dateTotal.value(), 10)
                   .spaces(3)
                   .text("X"));
    dateCount = 0;
    dateTotal = RunningTotal();
    runOpen = false;
  };

  std::optional<Date> lastDetailDate;
  file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    if (!check.isVoid()) {
      ++fileCount;
      ++dateCount;
      dateTotal.add(check.amountInCents());
    }
    file.write(FixedRecord()
                   .zeroFilled(file.accountId(), 10)
                   .zeroFilled(check.number(), 10)
                   .date(check.checkDate(), "MMDDYY")
                   .amount(check.amountInCents(), 10)
                   .spaces(2)
                   .text(check.isVoid() ? "1" : "0")
                   .text("T"));
    runOpen = true;
    lastDetailDate = check.checkDate();
    // The run of a date ends where the next row of the table, qualifying or not, carries another
    // "Date" text, and at the last row of the table.
    const ReportTable& checks = *inputs.checks;
    const int dateColumn = file.columns()->date;
    const int next = check.row() + 1;
    if (next > checks.rows() || checks.cell(next, dateColumn) != check.cell(dateColumn)) {
      writeDateTotal(check.checkDate());
    }
  });
  // Rows after the last check that share its date leave its run open: close it, so that every
  // check the bank receives is covered by a date total.
  if (runOpen) writeDateTotal(lastDetailDate);
  return file.finish(fileCount);
}

}  // namespace ppexport

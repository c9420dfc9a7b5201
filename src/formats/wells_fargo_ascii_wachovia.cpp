// Wells Fargo ASCII and Wachovia: one layout of 150-character records, a header that carries the
// count and total of the file, then one detail record per check; no trailer. The header comes
// first, so the check table is walked twice: once to count and total, once to write.

#include "formats/bank_file.h"
#include "formats/bank_formats.h"
#include "formats/running_total.h"
#include "text/windows1252.h"

namespace ppexport {

namespace {
// The count and the total of the qualifying checks. The total takes each check's register amount,
// so a void, whose register amount is zero, adds nothing even though its record carries its void
// amount. A report without one of the headings gives zeros.
struct HeaderTotals {
  int count = 0;
  RunningTotal total;
};

HeaderTotals countAndTotal(BankFile& file) {
  HeaderTotals totals;
  // A walk that records nothing, so that a row left out is counted and warned about once.
  totals.count = file.previewChecks(
      [](const CheckRow& check) { return check.qualifies(Selection::UnclearedOrVoid); },
      [&](const CheckRow& check) { totals.total.add(check.registerCents()); });
  return totals;
}

std::string_view voidMark(const CheckRow& check) { return check.isVoid() ? "V" : " "; }
}  // namespace

// Takes only the account ID and the bank code of the inputs.
WriterResult writeWellsFargoAscii(const WriterInputs& inputs) {
  BankFile file(inputs);
  const HeaderTotals totals = countAndTotal(file);
  // The bank code text begins with the four-digit bank number ("0001 - NC").
  file.write(FixedRecord()
                 .text("RECONCILIATIONHEADER")
                 .spaceFilled(inputs.bankCode, 4)
                 .zeroFilled(file.accountId(), 13)
                 .zeroFilled(totals.total.value(), 12)
                 .zeroFilled(totals.count, 5)
                 .spaces(96));
  file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(FixedRecord()
                   .zeroFilled(file.accountId(), 13)
                   .zeroFilled(check.number(), 10)
                   .amount(check.amountInCents(), 10)
                   .date(check.checkDate(), "YYYYMMDD")
                   .text(voidMark(check))
                   .spaces(30)
                   .spaces(8)
                   .spaceFilled(upperCase(check.payee()), 50)
                   .spaces(20));
  });
  return file.finish(totals.count);
}

WriterResult writeWachovia(const WriterInputs& inputs) {
  BankFile file(inputs);
  const HeaderTotals totals = countAndTotal(file);
  file.write(FixedRecord()
                 .text("RECONCILIATIONHEADER")
                 .zeroFilledRight(inputs.bankCode, 4)
                 .zeroFilled(file.accountId(), 13)
                 .zeroFilled(totals.total.value(), 12)
                 .zeroFilled(totals.count, 5)
                 .spaces(96));
  // Wachovia carries the payee twice: its first 30 characters, then its first 50.
  file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(FixedRecord()
                   .zeroFilled(file.accountId(), 13)
                   .zeroFilled(check.number(), 10)
                   .amount(check.amountInCents(), 10)
                   .date(check.checkDate(), "YYYYMMDD")
                   .text(voidMark(check))
                   .spaceFilled(check.payee(), 30)
                   .spaces(8)
                   .spaceFilled(check.payee(), 50)
                   .spaces(20));
  });
  return file.finish(totals.count);
}

}  // namespace ppexport

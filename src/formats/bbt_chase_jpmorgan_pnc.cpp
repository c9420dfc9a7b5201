// Branch Banking & Trust (also Founders Bank & Trust), Chase, JP Morgan and PNC: one
// comma-separated line per check, no header and no trailer. Fields are never quoted, so the payee
// is written without its commas.

#include "formats/bank_file.h"
#include "formats/bank_formats.h"
#include "text/amounts.h"
#include "text/windows1252.h"

namespace ppexport {

WriterResult writeBranchBankingAndTrust(const WriterInputs& inputs) {
  BankFile file(inputs);
  // These banks take uncleared checks only and know no voids: an uncleared void is written with
  // its register amount, 0.00, and a cleared one not at all.
  int count = file.forEachCheck(Selection::UnclearedOnly, [&](const CheckRow& check) {
    file.write(DelimitedLine()
                   .field(file.accountId(), 13)
                   .field(check.number(), 13)
                   .amount(formatTwoDecimals(-check.registerAmount()), 14)
                   .date(check.checkDate(), "MMDDYY"));
  });
  return file.finish(count);
}

WriterResult writeChaseCsv(const WriterInputs& inputs) {
  BankFile file(inputs);
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(DelimitedLine()
                   .field(check.isVoid() ? "C" : "I")
                   .field(file.accountId(), 17)
                   .field(check.number(), 10)
                   .date(check.checkDate(), "MMDDYY")
                   .amount(formatTwoDecimals(check.amountInDollars()), 11)
                   .field(upperCase(without(check.payee(), ',')), 40)
                   .field(""));  // the line ends with a comma
  });
  return file.finish(count);
}

WriterResult writeJpMorganCsv(const WriterInputs& inputs) {
  BankFile file(inputs);
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(DelimitedLine()
                   .field("")
                   .field(file.accountId(), 17)
                   .field(check.number(), 10)
                   .date(check.checkDate(), "MMDDYY")
                   .amount(formatTwoDecimals(check.amountInDollars()), 11)
                   .field(check.isVoid() ? "V" : "I")
                   .field("")
                   .field(upperCase(without(check.payee(), ',')), 40)
                   .field(""));  // the line ends with a comma
  });
  return file.finish(count);
}

WriterResult writePncBankOfIllinois(const WriterInputs& inputs) {
  BankFile file(inputs);
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(DelimitedLine()
                   .field(file.accountId(), 10)
                   .field(check.number(), 10)
                   .amount(formatTwoDecimals(check.amountInDollars()), 11)
                   .date(check.checkDate(), "MM/DD/YYYY")
                   .field("")
                   .field(upperCase(without(check.payee(), ',')), 50)
                   .field("")
                   .field(check.isVoid() ? "V" : "I"));
  });
  return file.finish(count);
}

}  // namespace ppexport

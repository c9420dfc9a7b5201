// Bank of America: the standard layout, the SMS Platform and the DRS Platform, each a header and
// one fixed-width record per check; the DRS Platform closes the file with control totals.

#include "formats/bank_file.h"
#include "formats/bank_formats.h"
#include "formats/running_total.h"
#include "text/amounts.h"

namespace ppexport {

WriterResult writeBankOfAmerica(const WriterInputs& inputs) {
  BankFile file(inputs);
  // The header is the remote ID as the bank gave it, written before the headings are looked up.
  file.write(FixedRecord().spaceFilled(file.remoteId(), 91));
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(FixedRecord()
                   .zeroFilled(file.accountId(), 12)
                   .text(check.isVoid() ? "2" : " ")
                   .spaces(2)
                   .zeroFilled(check.number(), 10)
                   .amount(check.amountInCents(), 12)
                   .date(check.checkDate(), "MMDDYYYY")
                   .spaces(1)
                   .spaceFilled(check.payee(), 45));
  });
  return file.finish(count);
}

WriterResult writeBankOfAmericaSms(const WriterInputs& inputs) {
  BankFile file(inputs);
  file.write(FixedRecord()
                 .zeroFilled(file.accountId(), 12)
                 .text("H")
                 .spaces(22)
                 .date(inputs.now.date, "MMDDYYYY")
                 .spaces(67));
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(FixedRecord()
                   .zeroFilled(file.accountId(), 12)
                   .text(check.isVoid() ? "V" : "O")
                   .zeroFilled(check.number(), 10)
                   .amount(check.amountInCents(), 12)
                   .date(check.checkDate(), "MMDDYYYY")
                   .spaces(1)
                   .spaceFilled(check.payee(), 50)
                   .spaces(16));
  });
  return file.finish(count);
}

WriterResult writeBankOfAmericaDrs(const WriterInputs& inputs) {
  BankFile file(inputs);
  file.write(FixedRecord()
                 .text("DRX")
                 .zeroFilled(file.batchId(), 3)
                 .text("00")
                 .zeroFilled(file.accountId(), 10)
                 .date(inputs.now.date, "YYYYMMDD")
                 .spaces(9)
                 .text("N")
                 .spaces(44));
  RunningTotal checkNumberTotal;
  RunningTotal amountTotal;  // voids add the amount they had before they were voided
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    checkNumberTotal.add(check.checkNumberValue());
    amountTotal.add(check.amountInCents());
    file.write(FixedRecord()
                   .zeroFilled(check.number(), 10)
                   .amount(check.amountInCents(), 10)
                   .zeroFilled(file.accountId(), 10)
                   .date(check.checkDate(), "MMDDYY")
                   .text(check.isVoid() ? "-" : " ")
                   .spaceFilled(check.payee(), 43));
  });
  // The trailer closes every DRS file, also one whose report lacks a heading.
  file.write(FixedRecord()
                 .text("1EOF")
                 .spaces(1)
                 .zeroFilled(count, 5)
                 .spaces(20)
                 .zeroFilled(checkNumberTotal.value(), 10)
                 .zeroFilled(amountTotal.value(), 10)
                 .spaces(30));
  return file.finish(count);
}

}  // namespace ppexport

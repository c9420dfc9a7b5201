// First Midwest Bank (with payee and traditional) and SunTrust (with or without payee name
// verification): one fixed-width record per check, no header or trailer.

#include "formats/bank_file.h"
#include "formats/bank_formats.h"

namespace ppexport {

WriterResult writeFirstMidwestWithPayee(const WriterInputs& inputs) {
  BankFile file(inputs);
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(FixedRecord()
                   .amount(check.amountInCents(), 10)
                   .date(check.checkDate(), "MMDDYYYY")
                   .zeroFilled(check.number(), 12)
                   .zeroFilled(file.accountId(), 15)
                   .zeros(10)
                   .spaceFilled(check.payee(), 40)
                   .text(check.isVoid() ? "3" : "0")
                   .spaces(4));
  });
  return file.finish(count);
}

WriterResult writeFirstMidwestTraditional(const WriterInputs& inputs) {
  BankFile file(inputs);
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(FixedRecord()
                   .text("C")
                   .text("642")
                   .text("00")
                   .zeroFilled(file.accountId(), 10)
                   .spaces(1)
                   .text(check.isVoid() ? "V" : "R")
                   .text("A")
                   .spaces(1)
                   .zeroFilled(check.number(), 10)
                   .amount(check.amountInCents(), 10)
                   .date(check.checkDate(), "MMDDYY")
                   .spaceFilled(check.payee(), 20)
                   .spaces(14));
  });
  return file.finish(count);
}

WriterResult writeSunTrust(const WriterInputs& inputs) {
  BankFile file(inputs);
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    FixedRecord record;
    record.zeroFilled(file.accountId(), 13)
        .zeroFilled(check.number(), 10)
        .amount(check.amountInCents(), 10)
        .date(check.checkDate(), "MMDDYY")
        .spaces(15)
        .text(check.isVoid() ? "V" : " ");
    // With verification the payee fills two 40-character fields, its characters 1-40 and then
    // 41-80; both together are the payee space-filled to 80, longer names losing their tail.
    if (inputs.payeeVerification) {
      record.spaceFilled(check.payee(), 80);
    } else {
      record.spaces(80);
    }
    file.write(record.spaces(25));
  });
  return file.finish(count);
}

}  // namespace ppexport

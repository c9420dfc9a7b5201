// Citibank - Standard Positive Pay, HSBC, Comerica Bank and Webster Bank - NY: fixed-width files
// of one detail record per check, with the header and trailers each bank asks for.

#include "formats/bank_file.h"
#include "formats/bank_formats.h"
#include "formats/running_total.h"

namespace ppexport {

namespace {
std::string_view voidMark(const CheckRow& check, std::string_view mark) {
  return check.isVoid() ? mark : " ";
}
}  // namespace

// Citibank counts issued checks only: its trailer and the count reported to the user leave the
// voids out, while the void records stand in the file with their void amounts. The bank code
// ("001 - NYB - New York Metro") gives its first three characters, unfilled.
WriterResult writeCitibankStandard(const WriterInputs& inputs) {
  BankFile file(inputs);
  file.write(FixedRecord()
                 .text("H")
                 .spaceFilled(file.remoteId(), 30)
                 .date(inputs.now.date, "YYYYMMDD")
                 .spaces(41));
  int issued = 0;
  RunningTotal total;  // register amounts, so voids add nothing
  file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    if (!check.isVoid()) ++issued;
    total.add(check.registerCents());
    file.write(FixedRecord()
                   .text("D")
                   .firstCharacters(inputs.bankCode, 3)
                   .zeroFilled(file.accountId(), 10)
                   .spaces(7)
                   .text(voidMark(check, "V"))
                   .zeroFilled(check.number(), 10)
                   .amount(check.amountInCents(), 10)
                   .date(check.checkDate(), "YYYYMMDD")
                   .spaceFilled(check.payee(), 15)
                   .spaces(15));
  });
  file.write(FixedRecord()
                 .text("T")
                 .firstCharacters(inputs.bankCode, 3)
                 .zeroFilled(file.accountId(), 10)
                 .spaces(8)
                 .zeroFilled(issued, 10)
                 .zeroFilled(total.value(), 10)
                 .spaces(38));
  return file.finish(issued);
}

// HSBC has no header and two trailers, one for the issued checks and one for the voids, each with
// its own count and total; the voids count with their void amounts.
WriterResult writeHsbc(const WriterInputs& inputs) {
  BankFile file(inputs);
  int issued = 0;
  int voids = 0;
  RunningTotal issuedTotal;
  RunningTotal voidTotal;
  file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    if (check.isVoid()) {
      ++voids;
      voidTotal.add(check.amountInCents());
    } else {
      ++issued;
      issuedTotal.add(check.amountInCents());
    }
    file.write(FixedRecord()
                   .spaceFilled(file.accountId(), 13)
                   .zeroFilled(check.number(), 10)
                   .amount(check.amountInCents(), 10)
                   .date(check.checkDate(), "MMDDYYYY")
                   .text(voidMark(check, "V"))
                   .spaceFilled(check.payee(), 50)
                   .spaces(208));
  });
  file.write(FixedRecord()
                 .text("T")
                 .spaceFilled(file.accountId(), 13)
                 .spaces(5)
                 .zeroFilled(issued, 10)
                 .spaces(5)
                 .zeroFilled(issuedTotal.value(), 12)
                 .spaces(254));
  file.write(FixedRecord()
                 .text("T")
                 .spaceFilled(file.accountId(), 13)
                 .spaces(5)
                 .zeroFilled(voids, 10)
                 .spaces(5)
                 .zeroFilled(voidTotal.value(), 12)
                 .text("VOIDS")
                 .spaces(249));
  return file.finish(issued + voids);
}

// Comerica's trailer carries the day the file is written and the total of the issued checks.
WriterResult writeComericaBank(const WriterInputs& inputs) {
  BankFile file(inputs);
  RunningTotal total;  // register amounts, so voids add nothing
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    total.add(check.registerCents());
    file.write(FixedRecord()
                   .text(voidMark(check, "V"))
                   .zeroFilled(file.accountId(), 10)
                   .spaces(1)
                   .date(check.checkDate(), "MMDDYY")
                   .spaces(1)
                   .zeroFilled(check.number(), 10)
                   .spaces(1)
                   .amount(check.amountInCents(), 10)
                   .spaces(17)
                   .spaceFilled(check.payee(), 100));
  });
  file.write(FixedRecord()
                 .text("T")
                 .zeroFilled(file.accountId(), 10)
                 .spaces(1)
                 .date(inputs.now.date, "MMDDYY")
                 .spaces(1)
                 .zeroFilled(count, 10)
                 .spaces(1)
                 .zeroFilled(total.value(), 10)
                 .spaces(117));
  return file.finish(count);
}

// Webster carries the payee and the next two lines of its address. "Bill 2" and "Bill 3" are
// looked up but not required: a report without one gets blanks in its place, since a missing
// column (0) reads as an empty cell.
WriterResult writeWebsterBank(const WriterInputs& inputs) {
  BankFile file(inputs);
  const int bill2 = inputs.checks != nullptr ? findColumn("Bill 2", *inputs.checks) : 0;
  const int bill3 = inputs.checks != nullptr ? findColumn("Bill 3", *inputs.checks) : 0;
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(FixedRecord()
                   .zeroFilled(file.accountId(), 10)
                   .zeroFilled(check.number(), 10)
                   .text(voidMark(check, "2"))
                   .amount(check.amountInCents(), 12)
                   .date(check.checkDate(), "MMDDYY")
                   .spaceFilled(check.payee(), 50)
                   .spaceFilled(check.cell(bill2), 50)
                   .spaceFilled(check.cell(bill3), 50));
  });
  return file.finish(count);
}

}  // namespace ppexport

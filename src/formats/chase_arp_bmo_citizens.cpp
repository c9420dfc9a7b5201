// JPMorgan Chase ARP Standard, BMO and Citizens Bank: one record per check, no header and no
// trailer, each following the layout the bank (or its customers' accounting programs) publishes.

#include <string>
#include <vector>

#include "formats/bank_file.h"
#include "formats/bank_formats.h"
#include "text/amounts.h"

namespace ppexport {

// JPMorgan Chase's own "ARP Standard Input & Output" layout, input records: 94 characters. A
// void or cancel is a "V" record with the amount its memo gives, as the issue record carries its
// amount. The optional expanded additional data after position 94 is left out.
WriterResult writeChaseArpStandard(const WriterInputs& inputs) {
  BankFile file(inputs);
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(FixedRecord()
                   .text(check.isVoid() ? "V" : "I")
                   .spaces(1)
                   .zeroFilled(file.accountId(), 20)
                   .spaces(1)
                   .zeroFilled(check.number(), 18)
                   .spaces(1)
                   .amount(check.amountInCents(), 18)
                   .spaces(1)
                   .date(check.checkDate(), "YYYYMMDD")
                   .spaces(1)
                   .spaces(8)  // the paid date, filled in by the bank on output
                   .spaces(1)
                   .spaceFilled(check.payee(), 15));
  });
  return file.finish(count);
}

// BMO Harris Bank's comma-separated check file, as described in "Bank Check File Format - BMO
// Harris Bank" for its customers' accounting programs. Transaction codes "IA" (issue add) and "VA"
// (void add); a void carries the amount its memo gives. The optional reference stays empty.
WriterResult writeBmoPositivePayCsv(const WriterInputs& inputs) {
  BankFile file(inputs);
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(DelimitedLine()
                   .field(check.checkNumber(), 10)
                   .date(check.checkDate(), "MM/DD/YYYY")
                   .amount(formatTwoDecimals(check.amountInDollars()), 11)
                   .field(file.bankId(), 3)
                   .field(file.accountId(), 10)
                   .field(check.isVoid() ? "VA" : "IA")
                   .field(without(check.payee(), ','), 128)
                   .field(""));
  });
  return file.finish(count);
}

// Citizens Bank's fixed-width issue file of 180 characters, as described in "Positive Pay File
// Format - Citizens Bank" for its customers' accounting programs. The layout has no field that
// marks a void, so it carries issued checks only; each void it leaves out gets a warning, since
// the bank must hear of it another way.
WriterResult writeCitizensBankPositivePay(const WriterInputs& inputs) {
  BankFile file(inputs);
  std::vector<std::string> voidsLeftOut;
  auto issued = [&](const CheckRow& check) {
    if (check.qualifies(Selection::UnclearedIssuedOnly)) return true;
    if (check.qualifies(Selection::UnclearedOrVoid) && check.isVoid()) {
      voidsLeftOut.push_back(checkWarning(check.checkNumber(), voidLeftOutWarning));
    }
    return false;
  };
  int count = file.forEachCheck(issued, [&](const CheckRow& check) {
    file.write(FixedRecord()
                   .zeroFilled(file.accountId(), 10)
                   .zeroFilled(check.number(), 10)
                   .amount(check.amountInCents(), 10)
                   .date(check.checkDate(), "MMDDYY")
                   .spaces(16)
                   .spaceFilled(check.payee(), 60)
                   .spaces(68));
  });
  WriterResult result = file.finish(count);
  result.warnings.insert(result.warnings.end(), voidsLeftOut.begin(), voidsLeftOut.end());
  return result;
}

}  // namespace ppexport

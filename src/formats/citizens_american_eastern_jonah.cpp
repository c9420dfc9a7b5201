// Citizens Bank, American Bank, Eastern Bank and Jonah Bank: one comma-separated line per check,
// no header and no trailer. They differ in field order, codes and how the payee is cleaned; no
// payee they write can hold a comma.

#include "formats/bank_file.h"
#include "formats/bank_formats.h"
#include "text/amounts.h"
#include "text/windows1252.h"

namespace ppexport {

WriterResult writeCitizensBank(const WriterInputs& inputs) {
  BankFile file(inputs);
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(DelimitedLine()
                   .field(check.isVoid() ? "V" : "I")
                   .field(check.number(), 10)
                   .field("072400528")
                   .field(file.accountId(), 10)
                   .amount(formatTwoDecimals(check.amountInDollars()), 14)
                   .date(check.checkDate(), "MMDDYYYY")
                   .field(upperCase(without(check.payee(), ',')), 30)
                   .field("A")
                   .field("C"));
  });
  return file.finish(count);
}

WriterResult writeAmericanBank(const WriterInputs& inputs) {
  BankFile file(inputs);
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(DelimitedLine()
                   .field(file.accountId(), 19)
                   .date(check.checkDate(), "MMDDYYYY")
                   .field(check.number(), 9)
                   .amount(formatTwoDecimals(check.amountInDollars()), 11)
                   .field(lettersDigitsSpacesOnly(check.payee()), 40)
                   .field("")
                   .field(check.isVoid() ? "V" : "R")
                   .field("A"));
  });
  return file.finish(count);
}

WriterResult writeEasternBank(const WriterInputs& inputs) {
  BankFile file(inputs);
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(DelimitedLine()
                   .field(file.accountId(), 11)
                   .field(check.number(), 11)
                   .amount(formatTwoDecimals(check.amountInDollars()), 10)
                   .date(check.checkDate(), "MM/DD/YYYY")
                   .field(check.isVoid() ? "V" : "I")
                   .field(upperCase(lettersDigitsSpacesOnly(check.payee())), 30));
  });
  return file.finish(count);
}

WriterResult writeJonahBank(const WriterInputs& inputs) {
  BankFile file(inputs);
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(DelimitedLine()
                   .date(check.checkDate(), "MM/DD/YYYY")
                   .field(check.number(), 10)
                   .amount(formatTwoDecimals(check.amountInDollars()), 14)
                   .field(upperLettersSpacesOnly(check.payee()), 42)
                   .field(check.isVoid() ? "V" : "I"));
  });
  return file.finish(count);
}

}  // namespace ppexport

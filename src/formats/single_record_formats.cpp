// Generic Bank Format, Regions Bank, Capital One Bank and Colorado Business Bank: one fixed-width
// record per check, no trailer.

#include "formats/bank_file.h"
#include "formats/bank_formats.h"

namespace ppexport {

namespace {
std::string_view voidOr(const CheckRow& check, std::string_view voidCode, std::string_view code) {
  return check.isVoid() ? voidCode : code;
}
}  // namespace

WriterResult writeGenericBankFormat(const WriterInputs& inputs) {
  BankFile file(inputs);
  // The header is written before the headings are looked up, so it stands even in a file whose
  // report lacks a heading.
  file.write(FixedRecord().spaceFilled(file.remoteId(), 91));
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(FixedRecord()
                   .text(voidOr(check, "V", "P"))
                   .spaces(1)
                   .zeroFilled(file.accountId(), 22)
                   .spaces(1)
                   .zeroFilled(check.number(), 18)
                   .spaces(1)
                   .amount(check.amountInCents(), 18)
                   .spaces(1)
                   .date(check.checkDate(), "YYYYMMDD")
                   .spaces(11));
  });
  return file.finish(count);
}

WriterResult writeRegionsBank(const WriterInputs& inputs) {
  BankFile file(inputs);
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(FixedRecord()
                   .zeroFilled(file.accountId(), 10)
                   .zeroFilled(check.number(), 10)
                   .amount(check.amountInCents(), 10)
                   .date(check.checkDate(), "MMDDYY")
                   .spaceFilled(check.payee(), 15)
                   .text(voidOr(check, "V", "P")));
  });
  return file.finish(count);
}

namespace {
// Capital One's status code: void first, then the exact cleared state; other states have none.
std::string_view capitalOneStatus(const CheckRow& check) {
  if (check.isVoid()) return "N";
  if (check.cleared() == "Uncleared") return "O";
  if (check.cleared() == "Pending") return "P";
  if (check.cleared() == "Cleared") return "R";
  return "";
}
}  // namespace

WriterResult writeCapitalOneBank(const WriterInputs& inputs) {
  BankFile file(inputs);
  // Capital One takes every numbered check and tells the bank its state.
  int count = file.forEachCheck(Selection::EveryNumberedCheck, [&](const CheckRow& check) {
    file.write(FixedRecord()
                   .zeroFilled(file.accountId(), 10)
                   .zeroFilled(check.number(), 10)
                   .amount(check.amountInCents(), 10)
                   .date(check.checkDate(), "MMDDYY")
                   .text(capitalOneStatus(check)));
  });
  return file.finish(count);
}

WriterResult writeColoradoBusinessBank(const WriterInputs& inputs) {
  BankFile file(inputs);
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    FixedRecord record;
    record.zeroFilled(file.accountId(), 10)
        .spaces(1)
        .zeroFilled(check.number(), 10)
        .spaces(1)
        .date(check.checkDate(), "MMDDYYYY")
        .spaces(1)
        .amount(check.amountInCents(), 11)
        .spaces(1)
        .text(voidOr(check, "V", "O"))
        .spaces(1);
    // A void carries its date again as the void date.
    if (check.isVoid()) {
      record.date(check.checkDate(), "MMDDYYYY");
    } else {
      record.spaces(8);
    }
    file.write(record.spaces(1).spaceFilled(check.payee(), 35));
  });
  return file.finish(count);
}

}  // namespace ppexport

// Wells Fargo ARP - Standard (80-character records) and Wells Fargo ARP - Inbound Enhanced Standard
// (85-character records): header, one detail record per check, and a trailer with count and total.

#include "formats/bank_file.h"
#include "formats/bank_formats.h"
#include "formats/running_total.h"
#include "text/windows1252.h"

namespace ppexport {

namespace {
// The ARP transaction code. A void is a cancel when it still carries an amount in cents, and a
// plain void when its memo gave none.
std::string_view transactionCode(const CheckRow& check) {
  if (!check.isVoid()) return "320";
  return check.amountInCents() != 0 ? "370" : "430";
}
}  // namespace

WriterResult writeWellsFargoArpStandard(const WriterInputs& inputs) {
  BankFile file(inputs);
  // Both headers are written before the headings are looked up, so they stand in every file.
  file.write(FixedRecord()
                 .text("$$ADD")
                 .spaces(1)
                 .spaceFilled(file.remoteId(), 7)
                 .spaces(1)
                 .text("BID=")
                 .text("'")
                 .spaceFilled(IdentifierText{Identifier::RemoteId, upperCase(inputs.remoteId)}, 24)
                 .text("'"));
  // The bank number stands unfilled: a shorter bank ID makes this header shorter.
  file.write(FixedRecord()
                 .text("*03")
                 .lastCharacters(file.bankId(), 5)
                 .zeroFilled(file.accountId(), 15)
                 .text("0"));
  // The trailer total takes each check's register amount, so a void, whose register amount is
  // zero, adds nothing even though its record carries its void amount.
  RunningTotal total;
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    total.add(check.registerCents());
    file.write(FixedRecord()
                   .zeroFilled(check.number(), 10)
                   .date(check.checkDate(), "MMDDYY")
                   .spaceFilled(file.accountId(), 10)
                   .text(transactionCode(check))
                   .amount(check.amountInCents(), 10)
                   .spaceFilled(check.payee(), 40)
                   .spaces(1));
  });
  file.write(FixedRecord()
                 .text("&")
                 .spaces(14)
                 .zeroFilled(count, 5)
                 .spaces(3)
                 .zeroFilled(total.value(), 10)
                 .spaces(47));
  return file.finish(count);
}

WriterResult writeWellsFargoArpInboundEnhanced(const WriterInputs& inputs) {
  BankFile file(inputs);
  // The header stands in every file, as in the Standard format; the remote ID is not used here.
  file.write(FixedRecord()
                 .text("*03")
                 .zeroFilled(file.bankId(), 5)
                 .zeroFilled(file.accountId(), 15)
                 .text("0")
                 .spaces(61));
  RunningTotal total;  // issued checks only, as above
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    total.add(check.registerCents());
    file.write(FixedRecord()
                   .zeroFilled(check.number(), 10)
                   .date(check.checkDate(), "MMDDYY")
                   .zeroFilled(file.accountId(), 15)
                   .text(transactionCode(check))
                   .amount(check.amountInCents(), 10)
                   .spaceFilled(check.payee(), 40)
                   .spaces(1));
  });
  file.write(FixedRecord()
                 .text("&")
                 .spaces(14)
                 .zeroFilled(count, 7)
                 .spaces(3)
                 .zeroFilled(total.value(), 13)
                 .spaces(47));
  return file.finish(count);
}

}  // namespace ppexport

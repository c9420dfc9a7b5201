// Wells Fargo ARP - Standard (80-character records) and Wells Fargo ARP - Inbound Enhanced Standard
// (85-character records): header, one detail record per check, and a trailer with count and total.
// The Standard format's sign-on record, header and trailer follow Wells Fargo's own published ARP
// Standard file format for a single account's input issue file, and its sample file.

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
  // Both headers are written before the headings are looked up, so they stand in every file. The
  // sign-on record carries the remote ID and the batch ID the bank assigned, in upper case; the
  // batch ID stands between quotes, unfilled.
  file.write(FixedRecord()
                 .text("$$ADD ID=")
                 .spaceFilled(IdentifierText{Identifier::RemoteId, upperCase(inputs.remoteId)}, 8)
                 .text(" BID='")
                 .firstCharacters(IdentifierText{Identifier::BatchId, upperCase(inputs.batchId)},
                                  24)
                 .text("'"));
  file.write(FixedRecord()
                 .text("*03")
                 .zeroFilled(file.bankId(), 5)
                 .zeroFilled(file.accountId(), 15)
                 .text("0"));
  // The trailer total is the sum of the amounts the detail records carry: a cancel adds its
  // amount, a void its zero.
  RunningTotal total;
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    total.add(check.amountInCents());
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
  RunningTotal total;  // the amounts the detail records carry, as above
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    total.add(check.amountInCents());
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

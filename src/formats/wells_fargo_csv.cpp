// Wells Fargo ARP - CSV: one comma-separated line of seven fields per check, no header or trailer.

#include "formats/bank_file.h"
#include "formats/bank_formats.h"
#include "text/amounts.h"

namespace ppexport {

namespace {
// The bank's transaction code: an issued check, a void with its amount, a void without one.
std::string_view transactionCode(CheckStatus status) {
  switch (status) {
    case CheckStatus::Issue:
      return "320";
    case CheckStatus::Cancel:
      return "370";
    case CheckStatus::Void:
      return "430";
  }
  return "320";
}
}  // namespace

WriterResult writeWellsFargoArpCsv(const WriterInputs& inputs) {
  BankFile file(inputs);
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    // Only the payee loses its commas; the identifiers are written as typed.
    file.write(DelimitedLine(',')
                   .field(file.bankId(), 13)
                   .field(file.accountId(), 34)
                   .field(check.number(), 10)
                   .date(check.checkDate(), "MM-DD-YYYY")
                   .amount(formatTwoDecimals(check.amountInDollars()), 11)
                   .field(transactionCode(check.status()))
                   .field(without(check.payee(), ',')));
  });
  return file.finish(count);
}

}  // namespace ppexport

// Royal Bank of Canada: 80-character records, a header with the file control number, one detail
// record per check (issued or void) and a trailer with the number of records and the total.

#include "formats/bank_file.h"
#include "formats/bank_formats.h"
#include "formats/running_total.h"
#include "formats/file_control_number.h"
#include "settings/settings_store.h"

namespace ppexport {

namespace {
std::string controlNumberFailure(const WriterInputs& inputs) {
  const std::string reason =
      inputs.settings != nullptr ? inputs.settings->lastError() : "no settings store";
  return "The next file control number could not be taken from the settings (" +
         (reason.empty() ? std::string("unknown reason") : reason) +
         "). The file is not written, since its number could repeat an earlier file's.";
}
}  // namespace

WriterResult writeRoyalBankOfCanada(const WriterInputs& inputs) {
  // Every file takes a new control number, whether or not it holds a check. Without one that is
  // surely new, no file is written: the bank would take it for a file it already has.
  const std::optional<std::string> controlNumber =
      inputs.settings != nullptr ? nextFileControlNumber(*inputs.settings, inputs.now.date, 4)
                                 : std::nullopt;
  if (!controlNumber) {
    WriterResult notWritten;
    notWritten.failure = controlNumberFailure(inputs);
    return notWritten;
  }

  BankFile file(inputs);
  file.write(FixedRecord()
                 .text("000")
                 .zeroFilled(file.bankId(), 5)
                 .zeroFilled(file.accountId(), 7)
                 .zeroFilled(*controlNumber, 4)
                 .spaces(61));
  // The total takes every record's amount, voids with their void amounts.
  RunningTotal total;
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    total.add(check.amountInCents());
    FixedRecord record;
    record.text(check.isVoid() ? "490" : "300")
        .zeroFilled(file.bankId(), 5)
        .zeroFilled(file.accountId(), 7)
        .zeroFilled(check.number(), 8)
        .amount(check.amountInCents(), 10)
        .spaces(19);
    // A void repeats its check number and its check date.
    if (check.isVoid()) {
      record.zeroFilled(check.number(), 8)
          .date(check.checkDate(), "MMDDYY")
          .date(check.checkDate(), "MMDDYY");
    } else {
      record.spaces(8).date(check.checkDate(), "MMDDYY").spaces(6);
    }
    file.write(record.spaces(8));
  });
  // The record count takes in the header and the trailer.
  file.write(FixedRecord()
                 .text("999")
                 .zeroFilled(file.bankId(), 5)
                 .zeroFilled(file.accountId(), 7)
                 .zeroFilled(count + 2, 8)
                 .zeroFilled(total.value(), 13)
                 .spaces(44));
  return file.finish(count);
}

}  // namespace ppexport

// TD Bank: "TD Bank Canada CFP - 80 Byte", a header with a file number that rises from file to
// file, one record per check and a trailer; and "TD Bank ARP - Standard", one record per check
// dated by year and day of the year, closed by a "T" line.

#include <charconv>
#include <limits>

#include "formats/bank_file.h"
#include "formats/bank_formats.h"
#include "formats/running_total.h"
#include "settings/settings_store.h"
#include "text/windows1252.h"

namespace ppexport {

namespace {
constexpr std::string_view fileNumberKey = "nextTDCanadaBankFileNumber";
constexpr std::int64_t firstFileNumber = 1000;

// The stored file number: an optional sign and digits that fit in 64 bits. Anything else (a value
// edited by hand, an empty text) counts as the first file number, as a fresh store does.
std::int64_t storedFileNumber(const std::optional<std::string>& stored) {
  if (!stored) return firstFileNumber;
  std::string_view text = *stored;
  std::string_view digits = text;
  if (digits.starts_with('+') || digits.starts_with('-')) digits.remove_prefix(1);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return firstFileNumber;
  }
  // from_chars reads a "-" but not a "+".
  if (text.starts_with('+')) text = digits;
  std::int64_t number = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return firstFileNumber;
  return number;
}

// Takes the number this file carries and stores the next one, in one step of the settings store,
// so two copies of the program never write two files with the same number. Nothing, with the
// reason in failure, when no number can be handed out: a file without a fresh number is not
// written at all, as the bank would take it for one it already has.
std::optional<std::int64_t> takeFileNumber(SettingsStore* settings, std::string& failure) {
  const std::string cannotTake =
      "The next TD Bank Canada file number could not be taken from the settings";
  if (settings == nullptr) {
    failure = cannotTake + ".";
    return std::nullopt;
  }
  std::int64_t number = 0;
  bool exhausted = false;
  std::optional<std::string> stored = settings->readAndAdvance(
      fileNumberKey, [&](const std::optional<std::string>& current) -> std::string {
        number = storedFileNumber(current);
        exhausted = number == std::numeric_limits<std::int64_t>::max();
        return exhausted ? current.value_or("") : std::to_string(number + 1);
      });
  if (!stored) {
    const std::string reason = settings->lastError();
    failure = reason.empty() ? cannotTake + "." : cannotTake + ": " + reason;
    return std::nullopt;
  }
  if (exhausted) {
    failure = "The stored TD Bank Canada file number " + std::to_string(number) +
              " cannot be followed by another.";
    return std::nullopt;
  }
  return number;
}
}  // namespace

WriterResult writeTdBankCanada(const WriterInputs& inputs) {
  // Every file takes a new number, also one that ends up without check records.
  WriterResult refused;
  std::optional<std::int64_t> fileNumber = takeFileNumber(inputs.settings, refused.failure);
  if (!fileNumber) return refused;

  BankFile file(inputs);
  file.write(FixedRecord()
                 .text("H")
                 .zeroFilled(file.accountId(), 5)
                 .zeroFilled(file.batchId(), 5)
                 .zeroFilled(file.bankId(), 7)
                 .spaceFilled(file.remoteId(), 30)
                 .date(inputs.now.date, "YYYYMMDD")
                 .spaces(5)
                 .zeroFilled(*fileNumber, 8)
                 .spaces(9)
                 .text("1")
                 .text("N"));
  // The trailer total is of the register amounts, so a void (amount zero) adds nothing.
  RunningTotal amountTotal;
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    amountTotal.add(check.registerCents());
    file.write(FixedRecord()
                   .text(check.isVoid() ? "V" : "I")
                   .zeroFilled(check.number(), 10)
                   .amount(check.amountInCents(), 12)
                   .date(check.checkDate(), "YYYYMMDD")
                   .spaces(9)
                   .spaceFilled(lettersDigitsSpacesOnly(check.payee()), 40));
  });
  // The trailer closes every file, also one whose report lacks a heading.
  file.write(FixedRecord()
                 .text("T")
                 .zeroFilled(count, 9)
                 .zeroFilled(amountTotal.value(), 13)
                 .spaces(57));
  return file.finish(count);
}

WriterResult writeTdBankArp(const WriterInputs& inputs) {
  BankFile file(inputs);
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    file.write(FixedRecord()
                   .zeroFilledRight(file.bankId(), 4)
                   .text("02")
                   .zeroFilled(file.accountId(), 16)
                   .text("60")
                   .zeroFilled(check.number(), 10)
                   .amount(check.amountInCents(), 11)
                   .spaceFilled(upperCase(check.payee()), 30)
                   .date(check.checkDate(), "YYYY")
                   .date(check.checkDate(), "DDD")
                   .text(check.isVoid() ? "11" : "10"));
  });
  // The "T" line closes every file, also one whose report lacks a heading.
  file.write("T");
  return file.finish(count);
}

}  // namespace ppexport

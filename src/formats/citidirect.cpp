// Citibank CitiDirect SDR and NA: one line of 27 fields per check, each field closed by "#" after
// an opening "#", with fields that depend on the check status (issued, voided, stopped).

#include "formats/bank_file.h"
#include "formats/bank_formats.h"
#include "text/amounts.h"

namespace ppexport {

namespace {
// Opens a CitiDirect line: its leading "#" is the separator after an empty first field.
DelimitedLine citiDirectLine() {
  DelimitedLine line('#');
  line.field("");
  return line;
}

// Adds `count` empty fields.
void emptyFields(DelimitedLine& line, int count) {
  for (int i = 0; i < count; ++i) line.field("");
}

// Closes the line: its trailing "#" is the separator before an empty last field.
const DelimitedLine& closed(DelimitedLine& line) { return line.field(""); }

// The payee loses every "#", which would split the line into other fields.
std::string payeeText(const CheckRow& check) { return without(check.payee(), '#'); }

// The last day of the month of today.
std::optional<Date> endOfMonth(const Date& today) { return lastDayOfMonth(today); }

// Amounts in dollars in the shortest general form, at most 12 characters.
constexpr std::size_t amountWidth = 12;
}  // namespace

WriterResult writeCitiDirectSdr(const WriterInputs& inputs) {
  BankFile file(inputs);
  const Date& today = inputs.now.date;
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    const CheckStatus status = check.status();
    const bool issued = status == CheckStatus::Issue;
    const bool voided = status == CheckStatus::Void;
    DelimitedLine line = citiDirectLine();
    line.field("SDR")                                              // 1
        .field(issued ? "IS" : voided ? "VO" : "ST")               // 2
        .lastCharacters(file.accountId(), 10)                      // 3
        .field("S");                                               // 4
    emptyFields(line, 2);                                          // 5-6
    line.date(check.checkDate(), "YYYYMMDD")                       // 7
        .amount(formatGeneral(check.amountInDollars()), amountWidth)  // 8
        .lastCharacters(check.number(), 10)                   // 9
        .lastCharacters(file.batchId(), 10)                        // 10
        .field("")                                                 // 11
        .field(issued ? payeeText(check) : "", 60);      // 12
    emptyFields(line, 2);                                          // 13-14
    line.date(issued || voided ? endOfMonth(today) : std::nullopt, "YYYYMMDD");  // 15
    emptyFields(line, 4);                                          // 16-19
    line.date(voided ? std::optional(today) : std::nullopt, "YYYYMMDD");          // 20
    emptyFields(line, 7);                                          // 21-27
    file.write(closed(line));
  });
  return file.finish(count);
}

WriterResult writeCitiDirectNa(const WriterInputs& inputs) {
  BankFile file(inputs);
  const Date& today = inputs.now.date;
  int count = file.forEachCheck(Selection::UnclearedOrVoid, [&](const CheckRow& check) {
    const CheckStatus status = check.status();
    const bool issued = status == CheckStatus::Issue;
    const bool voided = status == CheckStatus::Void;
    DelimitedLine line = citiDirectLine();
    line.field("NAD")                                              // 1
        .field(issued ? "ISSUE" : voided ? "VOID" : "STOP")        // 2
        .lastCharacters(file.accountId(), 10)                      // 3
        .field("SINGLE");                                          // 4
    emptyFields(line, 2);                                          // 5-6
    line.date(check.checkDate(), "YYYYMMDD")                       // 7
        .amount(formatGeneral(check.amountInDollars()), amountWidth)  // 8
        .lastCharacters(check.number(), 12);                  // 9
    // Only an issued check carries the plan number.
    if (issued) {
      line.lastCharacters(file.batchId(), 10);                     // 10
    } else {
      line.field("");
    }
    line.field("")                                                 // 11
        .field(issued ? payeeText(check) : "", 60);      // 12
    emptyFields(line, 2);                                          // 13-14
    line.date(issued ? endOfMonth(today) : std::nullopt, "YYYYMMDD");  // 15
    emptyFields(line, 4);                                          // 16-19
    line.field(voided ? "Y" : "N");                                // 20
    emptyFields(line, 7);                                          // 21-27
    file.write(closed(line));
  });
  return file.finish(count);
}

}  // namespace ppexport

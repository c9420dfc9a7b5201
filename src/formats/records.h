#pragma once
// The two record builders every bank writer uses, so that a writer reads like its layout table:
// fields in order, each with its width and filling.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/regional.h"

namespace ppexport {

// A date written by pattern: "YYYY" four-digit year, "YY" its last two digits, "MM" two-digit
// month, "DDD" day of the year (January 1 is "001"), "DD" two-digit day; any other character
// stands for itself ("MM/DD/YYYY").
std::string formatDate(const Date& date, std::string_view pattern);
// The width of a date written by pattern.
std::size_t dateWidth(std::string_view pattern);

// The values whose fit the result reports: the identifiers the bank supplied, as typed, and the
// check number. A bank reads a zero-filled field as a number and a cut value as another one.
enum class Identifier : std::uint8_t { RemoteId, BankId, BatchId, AccountId, CheckNumber };

// A value with the identifier it stands for; the record builders take it where they take text.
struct IdentifierText {
  Identifier identifier;
  std::string_view text;
};

// How one identifier went into a record: its field's width (npos for a delimited field that takes
// the whole value), whether the field is zero-filled, and where in the line its text stands.
struct IdentifierField {
  Identifier identifier = Identifier::AccountId;
  std::size_t valueSize = 0;
  std::size_t width = 0;
  bool zeroFilled = false;
  std::size_t offset = 0;
  std::size_t length = 0;

  bool cut() const { return valueSize > width; }
};

// The identifiers of one record, in the order they were written.
class IdentifierFields {
 public:
  void note(const IdentifierField& field) {
    if (count_ < fields_.size()) fields_[count_++] = field;
  }
  const IdentifierField* begin() const { return fields_.data(); }
  const IdentifierField* end() const { return fields_.data() + count_; }

 private:
  std::array<IdentifierField, 6> fields_{};
  std::size_t count_ = 0;
};

// One fixed-width record. Every value has its control characters replaced by spaces before it is
// cut or filled, so a record is always exactly one line.
class FixedRecord {
 public:
  // Room for a whole record of the usual widths, so that building it allocates once.
  FixedRecord() { line_.reserve(128); }

  // The value's last `width` characters after `width` zeros put in front: banks read these fields
  // as digits from the right, so a longer value keeps its last characters.
  FixedRecord& zeroFilled(std::string_view value, std::size_t width);
  FixedRecord& zeroFilled(std::int64_t value, std::size_t width);
  FixedRecord& zeroFilled(IdentifierText value, std::size_t width);
  // An amount in cents, zero-filled. A value longer than the field is noted: the bank would read
  // another amount.
  FixedRecord& amount(std::int64_t cents, std::size_t width);
  // The value's first `width` characters after `width` spaces put behind it.
  FixedRecord& spaceFilled(std::string_view value, std::size_t width);
  FixedRecord& spaceFilled(IdentifierText value, std::size_t width);
  // The value's first `width` characters after `width` zeros put behind it ("12" in 4 is "1200").
  FixedRecord& zeroFilledRight(std::string_view value, std::size_t width);
  FixedRecord& zeroFilledRight(IdentifierText value, std::size_t width);
  // The value's last `width` characters after `width` spaces put in front.
  FixedRecord& spaceFilledRight(std::string_view value, std::size_t width);
  FixedRecord& spaceFilledRight(IdentifierText value, std::size_t width);
  // The value's first or last `width` characters, unfilled: a shorter value makes the record
  // shorter, as the layouts that take a bank code or bank number as typed require.
  FixedRecord& firstCharacters(std::string_view value, std::size_t width);
  FixedRecord& lastCharacters(std::string_view value, std::size_t width);
  FixedRecord& firstCharacters(IdentifierText value, std::size_t width);
  FixedRecord& lastCharacters(IdentifierText value, std::size_t width);
  // A date by pattern; an unreadable date (nothing) is as many spaces as the pattern is wide.
  FixedRecord& date(const std::optional<Date>& date, std::string_view pattern);
  // A constant of the layout.
  FixedRecord& text(std::string_view constant);
  FixedRecord& spaces(std::size_t count);
  FixedRecord& zeros(std::size_t count);

  const std::string& line() const { return line_; }
  std::size_t size() const { return line_.size(); }
  bool amountTooLong() const { return amountTooLong_; }
  // The amount in cents of the record's amount field; nothing when it has none.
  const std::optional<std::int64_t>& writtenCents() const { return writtenCents_; }
  const IdentifierFields& identifiers() const { return identifiers_; }

 private:
  void noteIdentifier(IdentifierText value, std::size_t width, bool zeroFilled, std::size_t start);
  std::string line_;
  bool amountTooLong_ = false;
  std::optional<std::int64_t> writtenCents_;
  IdentifierFields identifiers_;
};

// One delimited line: fields joined by the separator, never quoted. Control characters in a value
// become spaces.
class DelimitedLine {
 public:
  explicit DelimitedLine(char separator = ',') : separator_(separator) {}
  // The value's first maxWidth characters (all of it by default).
  DelimitedLine& field(std::string_view value, std::size_t maxWidth = std::string_view::npos);
  DelimitedLine& field(IdentifierText value, std::size_t maxWidth = std::string_view::npos);
  // An amount text in dollars ("-12.50"), cut to maxWidth characters; a longer text is noted.
  DelimitedLine& amount(std::string_view formatted, std::size_t maxWidth = std::string_view::npos);
  // A date by pattern; empty when the date is unreadable.
  DelimitedLine& date(const std::optional<Date>& date, std::string_view pattern);
  // The value's last `count` characters, or the whole value when shorter (no filling).
  DelimitedLine& lastCharacters(std::string_view value, std::size_t count);
  DelimitedLine& lastCharacters(IdentifierText value, std::size_t count);

  const std::string& line() const { return line_; }
  std::size_t fields() const { return fields_; }
  bool amountTooLong() const { return amountTooLong_; }
  // The amount in cents of the line's amount field; nothing when it has none.
  const std::optional<std::int64_t>& writtenCents() const { return writtenCents_; }
  const IdentifierFields& identifiers() const { return identifiers_; }
  // The check number held the separator or a quote, which would split or quote the record: they
  // were taken out.
  bool numberCleaned() const { return numberCleaned_; }

 private:
  void separate();
  std::string_view cleanNumber(IdentifierText value);
  void noteIdentifier(IdentifierText value, std::size_t width, std::size_t start);
  std::string line_;
  char separator_;
  std::size_t fields_ = 0;
  bool amountTooLong_ = false;
  std::optional<std::int64_t> writtenCents_;
  IdentifierFields identifiers_;
  bool numberCleaned_ = false;
  std::string cleanedNumber_;
};

// The text with every occurrence of character removed ("Smith, John" without "," is "Smith John").
std::string without(std::string_view text, char character);

}  // namespace ppexport

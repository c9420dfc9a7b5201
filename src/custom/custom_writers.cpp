#include "custom/custom_writers.h"

#include "custom/custom_format.h"
#include "formats/bank_file.h"
#include "formats/running_total.h"
#include "settings/memory_store.h"
#include "text/amounts.h"

namespace ppexport {

namespace {

// The definition as the writers read it; a run without a settings store has only the defaults.
CustomFormat readDefinition(const WriterInputs& inputs) {
  if (inputs.settings == nullptr) {
    MemorySettingsStore empty;
    return loadCustomFormat(empty, inputs.customFormatName, CustomFormatDefaults::Writer);
  }
  return loadCustomFormat(*inputs.settings, inputs.customFormatName, CustomFormatDefaults::Writer);
}

// The date pattern with "/" standing for the user's date separator.
std::string localDatePattern(std::string_view pattern) {
  std::string local(pattern);
  for (char& c : local) {
    if (c == '/') c = regional().dateSeparator;
  }
  return local;
}

// Custom formats report a numbered, uncleared check that is its transaction's source line, and
// every void row. A report without the "is Source" column counts every row as a source line.
std::function<bool(const CheckRow&)> customQualifier(const WriterInputs& inputs) {
  const int isSource = inputs.checks != nullptr ? findColumn("is Source", *inputs.checks) : 0;
  return [isSource](const CheckRow& check) {
    const bool sourceLine = isSource == 0 || check.cell(isSource) == "True";
    return (check.hasCheckNumber() && sourceLine && check.cleared() == "Uncleared") ||
           check.isVoid();
  };
}

std::string_view typeCode(const CheckRow& check) {
  return check.status() == CheckStatus::Issue ? "ISSUE" : "VOID";
}

// The bank's code for the check: issued, voided, or voided without an amount. Save and import
// refuse a Status Code whose text lists no codes; one stored otherwise writes nothing.
std::string statusCode(const CheckRow& check, std::string_view codesText) {
  const std::optional<StatusCodes> codes = statusCodesOf(codesText);
  if (!codes) return {};
  if (check.status() == CheckStatus::Issue) return codes->issued;
  return check.amountInCents() != 0 ? codes->voided : codes->voidedWithoutAmount;
}

// A "Date" field is the date by the pattern; empty when unreadable.
std::string customDate(const std::optional<Date>& date, std::string_view pattern) {
  return date ? formatDate(*date, pattern) : std::string();
}

// Every field a line of a custom format can hold.
enum class LineField {
  Date, CheckNumber, Payee, Amount, IsVoid, Type, Memo, AccountNumber,  // check fields
  Constant, Blank, StatusCode,
  BankId, RemoteId, BatchId, BankCode, FileDate,                        // header and trailer
  CheckCount, TotalCents, TotalDollars, IssuedTotalCents, IssuedTotalDollars, CheckNumberTotal,
};

// The field a line's field box names; nothing for a name the line does not offer. A detail line
// stored before constants existed knows only the eight check fields.
std::optional<LineField> lineField(std::string_view name, CustomLineKind line, bool lineFields) {
  if (line == CustomLineKind::Detail) {
    if (const std::optional<CustomField> field = customFieldNamed(name)) {
      return static_cast<LineField>(*field);
    }
    if (!lineFields) return std::nullopt;
    if (name == constantFieldName) return LineField::Constant;
    if (name == blankFieldName) return LineField::Blank;
    if (name == statusCodeFieldName) return LineField::StatusCode;
  }
  // The fields of a header or trailer line; a detail line has the identifiers among them too.
  static constexpr LineField headerTrailerFields[] = {
      LineField::Constant,         LineField::Blank,        LineField::AccountNumber,
      LineField::BankId,           LineField::RemoteId,     LineField::BatchId,
      LineField::BankCode,         LineField::FileDate,     LineField::CheckCount,
      LineField::TotalCents,       LineField::TotalDollars, LineField::IssuedTotalCents,
      LineField::IssuedTotalDollars, LineField::CheckNumberTotal};
  for (std::size_t i = 0; i < headerTrailerFieldNames.size(); ++i) {
    if (headerTrailerFieldNames[i] != name) continue;
    const LineField field = headerTrailerFields[i];
    const bool identifier = field >= LineField::BankId && field <= LineField::BankCode;
    if (line != CustomLineKind::Detail || identifier) return field;
  }
  return std::nullopt;
}

// Numbers stand at the right behind zeros, texts at the left before spaces, unless the field says
// otherwise.
bool isNumber(LineField field) {
  switch (field) {
    case LineField::CheckNumber:
    case LineField::Amount:
    case LineField::AccountNumber:
    case LineField::BankId:
    case LineField::BatchId:
    case LineField::CheckCount:
    case LineField::TotalCents:
    case LineField::TotalDollars:
    case LineField::IssuedTotalCents:
    case LineField::IssuedTotalDollars:
    case LineField::CheckNumberTotal:
      return true;
    default:
      return false;
  }
}

// The count and totals of the check lines, for header and trailer fields.
struct FileTotals {
  int count = 0;
  RunningTotal allCents;     // every line, a void with the amount it had before it was voided
  RunningTotal issuedCents;  // issued checks only
  RunningTotal checkNumbers;

  void add(const CheckRow& check) {
    allCents.add(check.amountInCents());
    if (check.status() == CheckStatus::Issue) issuedCents.add(check.amountInCents());
    checkNumbers.add(check.checkNumberValue());
  }
};

// One line of a custom format with the values of this file. For a header or trailer line check is
// nothing; for a detail line totals is nothing.
class LineWriter {
 public:
  LineWriter(const CustomFormat& format, CustomLineKind kind, const BankFile& file)
      : format_(format), kind_(kind), line_(kind == CustomLineKind::Header    ? format.header
                                            : kind == CustomLineKind::Trailer ? format.trailer
                                                                              : format.detail()),
        file_(file), datePattern_(localDatePattern(format.dateFormat)) {}

  bool hasFields() const {
    for (const std::string& name : line_.fields) {
      if (lineField(name, kind_, format_.lineFields)) return true;
    }
    return false;
  }
  bool needsTotals() const {
    for (const std::string& name : line_.fields) {
      const std::optional<LineField> field = lineField(name, kind_, format_.lineFields);
      if (field && (*field == LineField::CheckCount || *field >= LineField::TotalCents)) return true;
    }
    return false;
  }

  // The comma-separated line: each known field's value, joined by commas.
  DelimitedLine delimited(const CheckRow* check, const FileTotals* totals) const {
    DelimitedLine line;
    for (std::size_t i = 0; i < customFieldCount; ++i) {
      const std::optional<LineField> field = lineField(line_.fields[i], kind_, format_.lineFields);
      if (!field) continue;
      switch (*field) {
        case LineField::Date:
          line.date(check->checkDate(), datePattern_);
          break;
        case LineField::CheckNumber:
          line.field(check->number());
          break;
        case LineField::Payee:
          line.field(without(check->payee(), ','));
          break;
        case LineField::Amount:
          line.amount(formatTwoDecimals(check->amountInDollars()), 11);
          break;
        case LineField::Memo:
          line.field(without(check->description(), ','));
          break;
        case LineField::AccountNumber:
        case LineField::BankId:
        case LineField::RemoteId:
        case LineField::BatchId:
          line.field(identifier(*field));
          break;
        default:
          line.field(value(*field, i, check, totals));
          break;
      }
    }
    return line;
  }

  // The fixed-length line: each known field cut or filled to its length.
  FixedRecord fixed(const CheckRow* check, const FileTotals* totals) const {
    FixedRecord record;
    for (std::size_t i = 0; i < customFieldCount; ++i) {
      const std::optional<LineField> field = lineField(line_.fields[i], kind_, format_.lineFields);
      if (!field) continue;
      const std::size_t length = fieldLengthValue(line_.lengths[i]);
      const bool defaultFilling = line_.fills[i].empty() && line_.sides[i].empty();
      const bool zeros = line_.fills[i].empty() ? isNumber(*field) : line_.fills[i] == zerosFill;
      const bool right = line_.sides[i].empty() ? isNumber(*field) : line_.sides[i] == rightSide;
      switch (*field) {
        case LineField::Date:
        case LineField::FileDate:
          // A date is cut to its length but not padded unless a filling is given, so a pattern
          // shorter than the length gives a shorter field.
          if (defaultFilling) {
            record.firstCharacters(value(*field, i, check, totals), length);
          } else {
            filled(record, value(*field, i, check, totals), length, zeros, right);
          }
          break;
        case LineField::Amount:
          if (defaultFilling) {
            record.amount(check->amountInCents(), length);
          } else {
            filled(record, std::to_string(check->amountInCents()), length, zeros, right);
          }
          break;
        case LineField::CheckNumber:
          filled(record, check->number(), length, zeros, right);
          break;
        case LineField::AccountNumber:
        case LineField::BankId:
        case LineField::RemoteId:
        case LineField::BatchId:
          filled(record, identifier(*field), length, zeros, right);
          break;
        case LineField::Constant:
          // A constant without a length is written as it stands.
          if (line_.lengths[i].empty()) {
            record.text(line_.texts[i]);
          } else {
            filled(record, line_.texts[i], length, zeros, right);
          }
          break;
        default:
          filled(record, value(*field, i, check, totals), length, zeros, right);
          break;
      }
    }
    return record;
  }

 private:
  IdentifierText identifier(LineField field) const {
    switch (field) {
      case LineField::BankId: return file_.bankId();
      case LineField::RemoteId: return file_.remoteId();
      case LineField::BatchId: return file_.batchId();
      default: return file_.accountId();
    }
  }

  // The text of a field that needs no special treatment in either mode.
  std::string value(LineField field, std::size_t position, const CheckRow* check,
                    const FileTotals* totals) const {
    switch (field) {
      case LineField::Date:
        return customDate(check->checkDate(), datePattern_);
      case LineField::CheckNumber:
        return std::string(check->checkNumber());
      case LineField::IsVoid:
        // The marker stands on voided checks, in both modes.
        return check->status() == CheckStatus::Issue ? std::string() : format_.voidValue;
      case LineField::Type:
        return std::string(typeCode(*check));
      case LineField::Payee:
        return std::string(check->payee());
      case LineField::Memo:
        return std::string(check->description());
      case LineField::Constant:
        return line_.texts[position];
      case LineField::StatusCode:
        return statusCode(*check, line_.texts[position]);
      case LineField::Blank:
        return {};
      case LineField::BankCode:
        return file_.inputs().bankCode;
      case LineField::FileDate: {
        const std::string& pattern = line_.texts[position];
        return formatDate(file_.inputs().now.date,
                          localDatePattern(pattern.empty() ? format_.dateFormat : pattern));
      }
      case LineField::CheckCount:
        return std::to_string(totals->count);
      case LineField::TotalCents:
        return std::to_string(totals->allCents.value());
      case LineField::TotalDollars:
        return dollarsFromCents(totals->allCents.value());
      case LineField::IssuedTotalCents:
        return std::to_string(totals->issuedCents.value());
      case LineField::IssuedTotalDollars:
        return dollarsFromCents(totals->issuedCents.value());
      case LineField::CheckNumberTotal:
        return std::to_string(totals->checkNumbers.value());
      default:
        return std::string(identifier(field).text);
    }
  }

  template <class Value>
  static void filled(FixedRecord& record, Value value, std::size_t length, bool zeros, bool right) {
    if (zeros && right) {
      record.zeroFilled(value, length);
    } else if (zeros) {
      record.zeroFilledRight(value, length);
    } else if (right) {
      record.spaceFilledRight(value, length);
    } else {
      record.spaceFilled(value, length);
    }
  }

  const CustomFormat& format_;
  CustomLineKind kind_;
  CustomLine line_;
  const BankFile& file_;
  std::string datePattern_;
};

// A stored field name that its line does not offer is left out of the line; the result names it.
WriterResult withUnknownFieldWarnings(WriterResult result, const CustomFormat& format,
                                      std::string_view formatName) {
  const std::pair<CustomLineKind, const char*> lines[] = {{CustomLineKind::Header, "header field"},
                                                          {CustomLineKind::Detail, "field"},
                                                          {CustomLineKind::Trailer, "trailer field"}};
  for (const auto& [kind, what] : lines) {
    const CustomLine line = kind == CustomLineKind::Header    ? format.header
                            : kind == CustomLineKind::Trailer ? format.trailer
                                                              : format.detail();
    for (const std::string& name : line.fields) {
      if (name.empty() || lineField(name, kind, format.lineFields)) continue;
      result.formatWarnings.push_back("Warning: custom format '" + std::string(formatName) +
                                      "' has no " + what + " called '" + name +
                                      "'; it was left out.");
    }
  }
  return result;
}

// No bank line comes near this; a longer field is a typing slip that would only exhaust memory.
constexpr std::size_t longestFixedField = 10000;

// Why a fixed-length format cannot be written: a field longer than any line needs.
std::string tooLongField(const CustomFormat& format) {
  const std::pair<const CustomLine*, const char*> lines[] = {
      {&format.header, "Header field "}, {nullptr, "Field "}, {&format.trailer, "Trailer field "}};
  for (const auto& [stored, what] : lines) {
    const CustomLine line = stored != nullptr ? *stored : format.detail();
    for (std::size_t i = 0; i < customFieldCount; ++i) {
      if (line.fields[i].empty() || fieldLengthValue(line.lengths[i]) <= longestFixedField) {
        continue;
      }
      return what + std::to_string(i + 1) + " of the custom format is " + line.lengths[i] +
             " characters long; a field can be at most " + std::to_string(longestFixedField) + ".";
    }
  }
  return {};
}

// Both modes: the header line, a line per check, the trailer line. A header that carries the
// count or a total is worked out from a first walk over the rows that writes nothing.
template <class Write>
WriterResult writeCustomFile(const WriterInputs& inputs, const CustomFormat& format, Write write) {
  BankFile file(inputs);
  const auto qualifies = customQualifier(inputs);
  const LineWriter header(format, CustomLineKind::Header, file);
  const LineWriter detail(format, CustomLineKind::Detail, file);
  const LineWriter trailer(format, CustomLineKind::Trailer, file);
  FileTotals totals;
  if (header.hasFields()) {
    if (header.needsTotals()) {
      totals.count = file.previewChecks(qualifies, [&](const CheckRow& check) { totals.add(check); });
    }
    write(file, header, nullptr, &totals);
    totals = FileTotals();
  }
  totals.count = file.forEachCheck(qualifies, [&](const CheckRow& check) {
    totals.add(check);
    write(file, detail, &check, nullptr);
  });
  if (trailer.hasFields()) write(file, trailer, nullptr, &totals);
  return withUnknownFieldWarnings(file.finish(totals.count), format, inputs.customFormatName);
}

}  // namespace

WriterResult writeCustomCsv(const WriterInputs& inputs) {
  const CustomFormat format = readDefinition(inputs);
  return writeCustomFile(inputs, format,
                         [](BankFile& file, const LineWriter& line, const CheckRow* check,
                            const FileTotals* totals) {
                           const DelimitedLine built = line.delimited(check, totals);
                           // A definition without one known field has no line to write.
                           if (built.fields() > 0) {
                             file.write(built);
                           } else {
                             file.writeNoLine();
                           }
                         });
}

WriterResult writeCustomFixed(const WriterInputs& inputs) {
  const CustomFormat format = readDefinition(inputs);
  if (std::string failure = tooLongField(format); !failure.empty()) {
    WriterResult notWritten;
    notWritten.failure = std::move(failure);
    return notWritten;
  }
  return writeCustomFile(inputs, format,
                         [](BankFile& file, const LineWriter& line, const CheckRow* check,
                            const FileTotals* totals) {
                           file.write(line.fixed(check, totals));
                         });
}

}  // namespace ppexport

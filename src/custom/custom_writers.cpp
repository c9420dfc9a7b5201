#include "custom/custom_writers.h"

#include "custom/custom_format.h"
#include "formats/bank_file.h"
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

// A fixed-length "Date" field is the date by the pattern cut to the field's length but never
// padded, so a pattern shorter than the length gives a shorter field; empty when unreadable.
std::string customDate(const std::optional<Date>& date, std::string_view pattern) {
  return date ? formatDate(*date, pattern) : std::string();
}

// A stored field name that is none of the eight is left out of the line; the result names it.
WriterResult withUnknownFieldWarnings(WriterResult result, const CustomFormat& format,
                                      std::string_view formatName) {
  for (const std::string& name : format.fields) {
    if (name.empty() || customFieldNamed(name)) continue;
    result.formatWarnings.push_back("Warning: custom format '" + std::string(formatName) +
                                    "' has no field called '" + name + "'; it was left out.");
  }
  return result;
}

}  // namespace

WriterResult writeCustomCsv(const WriterInputs& inputs) {
  const CustomFormat format = readDefinition(inputs);
  const std::string datePattern = localDatePattern(format.dateFormat);
  BankFile file(inputs);
  const int count = file.forEachCheck(customQualifier(inputs), [&](const CheckRow& check) {
    DelimitedLine line;
    for (const std::string& name : format.fields) {
      const std::optional<CustomField> field = customFieldNamed(name);
      if (!field) continue;
      switch (*field) {
        case CustomField::Date:
          line.date(check.checkDate(), datePattern);
          break;
        case CustomField::CheckNumber:
          line.field(check.number());
          break;
        case CustomField::Payee:
          line.field(without(check.payee(), ','));
          break;
        case CustomField::Amount:
          line.amount(formatTwoDecimals(check.amountInDollars()), 11);
          break;
        case CustomField::IsVoid:
          line.field(check.status() == CheckStatus::Issue ? "" : format.voidValue);
          break;
        case CustomField::Type:
          line.field(typeCode(check));
          break;
        case CustomField::Memo:
          line.field(without(check.description(), ','));
          break;
        case CustomField::AccountNumber:
          line.field(file.accountId());
          break;
      }
    }
    // A definition without one known field has no line to write.
    if (line.fields() > 0) {
      file.write(line);
    } else {
      file.writeNoLine();
    }
  });
  return withUnknownFieldWarnings(file.finish(count), format, inputs.customFormatName);
}

// No bank line comes near this; a longer field is a typing slip that would only exhaust memory.
constexpr std::size_t longestFixedField = 10000;

WriterResult writeCustomFixed(const WriterInputs& inputs) {
  const CustomFormat format = readDefinition(inputs);
  const std::string datePattern = localDatePattern(format.dateFormat);
  for (std::size_t i = 0; i < customFieldCount; ++i) {
    if (customFieldNamed(format.fields[i]) && fieldLengthValue(format.lengths[i]) > longestFixedField) {
      WriterResult notWritten;
      notWritten.failure = "Field " + std::to_string(i + 1) + " of the custom format is " +
                           format.lengths[i] + " characters long; a field can be at most " +
                           std::to_string(longestFixedField) + ".";
      return notWritten;
    }
  }
  BankFile file(inputs);
  const int count = file.forEachCheck(customQualifier(inputs), [&](const CheckRow& check) {
    FixedRecord record;
    for (std::size_t i = 0; i < customFieldCount; ++i) {
      const std::optional<CustomField> field = customFieldNamed(format.fields[i]);
      if (!field) continue;
      const std::size_t length = fieldLengthValue(format.lengths[i]);
      switch (*field) {
        case CustomField::Date:
          record.firstCharacters(customDate(check.checkDate(), datePattern), length);
          break;
        case CustomField::CheckNumber:
          record.zeroFilled(check.number(), length);
          break;
        case CustomField::Payee:
          record.spaceFilled(check.payee(), length);
          break;
        case CustomField::Amount:
          record.amount(check.amountInCents(), length);
          break;
        // As in the comma-separated mode: the marker stands on voided checks.
        case CustomField::IsVoid:
          if (check.status() == CheckStatus::Issue) {
            record.spaces(length);
          } else {
            record.spaceFilled(format.voidValue, length);
          }
          break;
        case CustomField::Type:
          record.spaceFilled(typeCode(check), length);
          break;
        case CustomField::Memo:
          record.spaceFilled(check.description(), length);
          break;
        case CustomField::AccountNumber:
          record.zeroFilled(file.accountId(), length);
          break;
      }
    }
    file.write(record);
  });
  return withUnknownFieldWarnings(file.finish(count), format, inputs.customFormatName);
}

}  // namespace ppexport

#pragma once
// The custom format record: a user-defined layout of up to eight fields, kept only in the settings
// store under keys made of the format's name followed by a fixed suffix, and found through its
// marker key "Custom Format: " + name.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ppexport {

class SettingsStore;

inline constexpr std::size_t customFieldCount = 8;

// The field names a custom format offers, in the order the editor lists them.
inline constexpr std::array<std::string_view, customFieldCount> customFieldNames = {
    "Date", "Check Number", "Payee", "Amount", "Is Void", "Type", "Memo", "Account Number"};

// What a field position of a custom format holds; its name is customFieldNames[field].
enum class CustomField { Date, CheckNumber, Payee, Amount, IsVoid, Type, Memo, AccountNumber };

// The field of that exact name; nothing for any other text, "" included (such a position adds
// nothing to a line).
std::optional<CustomField> customFieldNamed(std::string_view name);

// The date patterns a custom format offers, in the order the editor lists them. "/" stands for
// the user's date separator.
inline constexpr std::array<std::string_view, 15> customDatePatterns = {
    "MM/DD/YY", "MM/DD/YYYY", "DD/MM/YY", "DD/MM/YYYY", "YYYY/MM/DD",
    "MM-DD-YY", "MM-DD-YYYY", "DD-MM-YY", "DD-MM-YYYY", "YYYY-MM-DD",
    "MMDDYY",   "MMDDYYYY",   "DDMMYY",   "DDMMYYYY",   "YYYYMMDD"};

inline constexpr std::string_view defaultDatePattern = "MM/DD/YYYY";

// The fields a detail line offers beside the eight check fields: a constant text of the layout,
// a run of spaces (an empty value when comma-separated), the bank's code for the check's status,
// whose text lists the codes (see StatusCodes), and the main window's other identifiers.
inline constexpr std::string_view constantFieldName = "Constant";
inline constexpr std::string_view blankFieldName = "Blank";
inline constexpr std::string_view statusCodeFieldName = "Status Code";
inline constexpr std::array<std::string_view, customFieldCount + 7> detailFieldNames = {
    "Date",     "Check Number", "Payee",       "Amount",   "Is Void",
    "Type",     "Memo",         "Account Number", "Constant", "Blank",
    "Status Code", "Bank ID",   "Remote ID",   "Batch ID", "Bank Code"};

// The codes a Status Code field writes, typed as its text "ISSUED/VOID" or
// "ISSUED/VOID/VOID WITHOUT AMOUNT": an issued check's code, a voided check's code, and the code
// of a voided check that carries no amount (a zero amount), which is the voided check's code when
// the text names only two. A code may be empty, none may hold a "/".
struct StatusCodes {
  std::string issued;
  std::string voided;
  std::string voidedWithoutAmount;
};
// The codes text lists; nothing unless it holds two or three codes.
std::optional<StatusCodes> statusCodesOf(std::string_view text);

// The fields of a header or trailer line, in the order the editor lists them: constants, the
// identifiers of the main window, the day the file is written, and the count and totals of the
// check lines ("Issued" totals leave the voids out; a void adds the amount it had before it was
// voided to the others).
inline constexpr std::array<std::string_view, 14> headerTrailerFieldNames = {
    "Constant",     "Blank",       "Account Number",       "Bank ID",
    "Remote ID",    "Batch ID",    "Bank Code",            "File Date",
    "Check Count",  "Total Cents", "Total Dollars",        "Issued Total Cents",
    "Issued Total Dollars",        "Check Number Total"};

// The three lines of a custom format: an optional header line, one detail line per check and an
// optional trailer line.
enum class CustomLineKind { Header, Detail, Trailer };

// How a fixed-length field is filled up to its length. Empty texts stand for the field's own
// default: zeros at the left of numbers (check number, amount, account number, identifiers that
// are numbers, counts and totals), spaces at the right of texts.
inline constexpr std::string_view zerosFill = "Zeros";
inline constexpr std::string_view spacesFill = "Spaces";
inline constexpr std::string_view leftSide = "Left";
inline constexpr std::string_view rightSide = "Right";

// One line's fields as the editor's rows show them. For a detail line only fills, sides and
// texts are kept here; its names and lengths are CustomFormat::fields and ::lengths.
struct CustomLine {
  std::array<std::string, customFieldCount> fields;   // a field name, or ""
  std::array<std::string, customFieldCount> lengths;  // a whole number, or ""
  std::array<std::string, customFieldCount> texts;    // a Constant's text, a File Date's pattern
  std::array<std::string, customFieldCount> fills;    // "", "Zeros" or "Spaces"
  std::array<std::string, customFieldCount> sides;    // "", "Left" or "Right": where the value stands
  bool empty() const;
};

// A custom format as the editor shows it: the texts of its boxes and its choice of output.
struct CustomFormat {
  std::string name;                                   // the name box, as typed
  std::array<std::string, customFieldCount> fields;   // field 1 to 8: a field name, or ""
  std::array<std::string, customFieldCount> lengths;  // length 1 to 8: a whole number, or ""
  std::string voidValue;                              // the text an "Is Void" field carries
  std::string dateFormat;                             // a date pattern
  bool fixedLength = false;  // fixed-length fields; otherwise comma-separated values
  // What the header and trailer lines and the detail line's fields beyond the eight check fields
  // (constants, blanks, status codes, identifiers), fills and sides add. A format stored without
  // them is read exactly as one saved before they existed: such field names are unknown texts in
  // it, as they were then.
  CustomLine header;
  CustomLine detailExtras;  // texts, fills and sides of the detail fields
  CustomLine trailer;
  bool lineFields = false;  // stored with the keys above, so "Constant" and "Blank" are fields

  // The detail line whole: names and lengths with their extras.
  CustomLine detail() const;
  // True when anything beyond today's eight fields is in use, so Save stores the new keys.
  bool usesLineFields() const;
};

// The field names a line offers.
std::vector<std::string_view> lineFieldNames(CustomLineKind line);

// Which defaults fill in what the store does not hold: the editor proposes "Yes" as the void
// value and leaves lengths empty, the writers read an absent void value as "" and an absent length
// as 0.
enum class CustomFormatDefaults { Editor, Writer };

// The format stored under name, taken exactly as given. Every absent key takes its default; a
// format that does not exist loads as all defaults. The writers go by the comma-separated option
// alone: fixed-length when it is stored other than "True". The editor, whose two option buttons
// are one choice, shows fixed-length also when that option is stored "True".
CustomFormat loadCustomFormat(SettingsStore& store, std::string_view name,
                              CustomFormatDefaults defaults = CustomFormatDefaults::Editor);

// The 21 keys of the format named name, in the order Save writes them: the marker, fields 1 to 8,
// the void value, the date pattern, the comma-separated and fixed-length options, lengths 1 to 8.
std::vector<std::string> customFormatKeys(std::string_view name);

// The keys beside those 21 that hold the header, the trailer and the detail fields' extras, in
// the order Save writes them: the marker "FormatVersion", then per detail position its text, fill
// and side, then per header and per trailer position its field, length, text, fill and side.
std::vector<std::string> customLineKeys(std::string_view name);
// The values of those keys for format, in the same order; the marker holds "2".
std::vector<std::string> customLineValues(const CustomFormat& format);

// The names of the stored custom formats, in the store's order: the value of every key that begins
// exactly (case as written) with "Custom Format: ". The bank list shows each as that prefix
// followed by the name, before the built-in formats.
std::vector<std::string> customFormatNames(SettingsStore& store);

// True when the marker key of name exists.
bool customFormatExists(SettingsStore& store, std::string_view name);

// The name the editor proposes for a new format: "Default" when none is stored, otherwise
// "Default " followed by one more than the number stored.
std::string proposedFormatName(SettingsStore& store);

// A stored field length as the fixed-length writer reads it: a whole number (rounded half to
// even); anything that is not a number from 0 to 2147483647 counts as 0, so its field adds nothing.
std::size_t fieldLengthValue(std::string_view text);

}  // namespace ppexport

// `ppexport custom`: lists, shows, saves and deletes custom formats by the editor's own rules and
// with its messages.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iterator>
#include <memory>
#include <tuple>
#include <ostream>

#include "cli/commands.h"
#include "cli/session.h"
#include "custom/custom_format.h"
#include "custom/custom_format_editor.h"
#include "custom/custom_format_file.h"
#include "formats/bank_formats.h"
#include "settings/settings_store.h"
#include "text/windows1252.h"

namespace ppexport::cli {

namespace {

struct CustomOptions {
  std::string name;
  bool commaSeparated = false;
  bool fixedLength = false;
  std::vector<std::string> fields;  // field descriptions, for positions 1 on
  std::vector<std::string> headerFields;
  std::vector<std::string> trailerFields;
  std::string file;                  // import: the file to read; export: the file to write
  std::optional<std::string> newName;
  std::optional<std::string> dateFormat;
  std::optional<std::string> voidValue;
};

// The user's store, or nothing (with the exit status set) when the command line may not name one
// here; the session has said why.
SettingsStore* usableStore(Session& session, Console& console) {
  SettingsStore* store = session.settings();
  if (store == nullptr) console.status = badUsage;
  return store;
}

// After an operation of store: false, with its reason printed, when it failed.
bool succeeded(SettingsStore& store, Session& session, Console& console) {
  if (store.lastError().empty()) return true;
  session.reportSettingsFailure(store);
  console.status = failed;
  return false;
}

// "A, B or C", for the accepted values of a refusal.
template <typename Names>
std::string oneOf(const Names& names) {
  std::string text;
  for (std::size_t i = 0; i < std::size(names); ++i) {
    if (i > 0) text += i + 1 == std::size(names) ? " or " : ", ";
    text += names[i];
  }
  return text;
}

// The fields of the three lines as described on the command line, each put into its position
// as the editor's rows take them; a date format the writers would not know would give literal
// fields, so save takes only the editor's own patterns. False, with the refusal printed, when a
// description names no field of its line.
bool readDescriptions(const CustomOptions& options, CustomFormat& format, Console& console) {
  const std::tuple<const std::vector<std::string>*, CustomLineKind, const char*> lines[] = {
      {&options.headerFields, CustomLineKind::Header, "header "},
      {&options.fields, CustomLineKind::Detail, ""},
      {&options.trailerFields, CustomLineKind::Trailer, "trailer "}};
  for (const auto& [given, kind, what] : lines) {
    if (given->size() > customFieldCount) {
      console.err << "ppexport: a custom format " << (*what ? std::string(what) + "line " : "")
                  << "has at most "
                  << customFieldCount << " fields.\n";
      return false;
    }
    if (given->empty()) continue;
    CustomLine line;
    for (std::size_t i = 0; i < given->size(); ++i) {
      const std::string description = utf8ToWindows1252((*given)[i]);
      if (description.empty()) continue;
      if (const std::optional<std::string> wrong =
              setFieldFromDescription(line, kind, i, description)) {
        const std::string name = (*given)[i].substr(0, (*given)[i].find(':'));
        if (*wrong != noSuchFieldReason) {
          // A known field whose text is missing or wrong: say what it needs.
          console.err << "ppexport: custom format " << what << "field " << i + 1 << " \""
                      << (*given)[i] << "\": " << *wrong << ".\n";
          return false;
        }
        console.err << "ppexport: no custom format " << what << "field named '" << name
                    << "'; the fields are " << oneOf(lineFieldNames(kind)) << ".\n";
        return false;
      }
    }
    if (kind == CustomLineKind::Header) format.header = line;
    if (kind == CustomLineKind::Trailer) format.trailer = line;
    if (kind == CustomLineKind::Detail) {
      format.fields = line.fields;
      format.lengths = line.lengths;
      line.fields = {};
      line.lengths = {};
      format.detailExtras = line;
    }
  }
  if (options.dateFormat &&
      std::find(customDatePatterns.begin(), customDatePatterns.end(), *options.dateFormat) ==
          customDatePatterns.end()) {
    console.err << "ppexport: no date format '" << *options.dateFormat
                << "'; the date formats are " << oneOf(customDatePatterns) << ".\n";
    return false;
  }
  return true;
}

std::string bankListEntry(std::string_view name) {
  return std::string(customFormatPrefix) + std::string(name);
}

// Stores format by the editor's Save and says how it went: done ("Saved", "Imported") and the
// bank list entry, or the editor's refusal.
void storeFormat(CustomFormat& format, std::string_view done, SettingsStore& store,
                 Console& console) {
  const SaveResult result = saveCustomFormat(store, format);
  switch (result.outcome) {
    case SaveOutcome::Saved:
      console.print(console.out, std::string(done) + " \"" + result.bankListText + "\".");
      break;
    case SaveOutcome::Refused:
      console.print(console.err, result.message.text);
      console.status = badUsage;
      break;
    case SaveOutcome::StoreFailed:
      console.print(console.err, result.message.text);
      console.status = failed;
      break;
  }
}

void list(Session& session, Console& console) {
  SettingsStore* store = usableStore(session, console);
  if (!store) return;
  const std::vector<std::string> names = customFormatNames(*store);
  if (!succeeded(*store, session, console)) return;
  for (const std::string& name : names) console.print(console.out, name);
}

// The name of a stored format as given, trimmed as every user of a bank list entry looks it up;
// nothing (with the reason printed) when there is no such format.
std::optional<std::string> storedName(const CustomOptions& options, SettingsStore& store,
                                      Session& session, Console& console) {
  std::string name(trimSpaces(utf8ToWindows1252(options.name)));
  const bool exists = customFormatExists(store, name);
  if (!succeeded(store, session, console)) return std::nullopt;
  if (!exists) {
    console.print(console.err, "ppexport: there is no custom format named \"" + name + "\".");
    console.status = badUsage;
    return std::nullopt;
  }
  return name;
}

void show(const CustomOptions& options, Session& session, Console& console) {
  SettingsStore* store = usableStore(session, console);
  if (!store) return;
  const std::optional<std::string> stored = storedName(options, *store, session, console);
  if (!stored) return;
  const std::string& name = *stored;
  const CustomFormat format = loadCustomFormat(*store, name);
  console.print(console.out, "Name: " + name);
  console.print(console.out,
                format.fixedLength ? "Output: fixed-length" : "Output: comma-separated");
  // Each field as its row shows it: name, then what it has of text, length, fill and side.
  auto fieldLine = [&](std::string caption, const CustomLine& line, std::size_t i) {
    caption += std::to_string(i + 1) + ":";
    if (!line.fields[i].empty()) caption += " " + line.fields[i];
    if (!line.texts[i].empty()) caption += ", text " + line.texts[i];
    if (!line.lengths[i].empty()) caption += ", length " + line.lengths[i];
    if (!line.fills[i].empty()) caption += ", fill " + line.fills[i];
    if (!line.sides[i].empty()) caption += ", side " + line.sides[i];
    console.print(console.out, caption);
  };
  // A header or trailer line shows its fields, or that there is none.
  auto headerOrTrailer = [&](const std::string& what, const CustomLine& line) {
    bool any = false;
    for (std::size_t i = 0; i < customFieldCount; ++i) {
      if (line.fields[i].empty()) continue;
      fieldLine(what + " field ", line, i);
      any = true;
    }
    if (!any) console.print(console.out, what + " line: none");
  };
  headerOrTrailer("Header", format.header);
  const CustomLine detail = format.detail();
  for (std::size_t i = 0; i < customFieldCount; ++i) fieldLine("Field ", detail, i);
  headerOrTrailer("Trailer", format.trailer);
  console.print(console.out, "Date format: " + format.dateFormat);
  console.print(console.out,
                "Is Void value:" + (format.voidValue.empty() ? "" : " " + format.voidValue));
}

// `custom export NAME --output F`: the stored format as a custom format file.
void exportFormat(const CustomOptions& options, Session& session, Console& console) {
  SettingsStore* store = usableStore(session, console);
  if (!store) return;
  const std::optional<std::string> stored = storedName(options, *store, session, console);
  if (!stored) return;
  const std::string& name = *stored;
  const std::string failure = writeCustomFormatFileAt(loadCustomFormat(*store, name), options.file);
  if (!failure.empty()) {
    console.print(console.err, "Could not create " + utf8ToWindows1252(options.file) + ".\r\n\r\n" +
                                   failure);
    console.status = failed;
    return;
  }
  console.print(console.out, "Exported \"" + bankListEntry(name) + "\" to " +
                                 utf8ToWindows1252(options.file) + ".");
}

// `custom import F [--name NEW]`: the whole file checked, then stored by the editor's Save. A
// format of that name is not replaced: another name is asked for.
void importFormat(const CustomOptions& options, Session& session, Console& console) {
  CustomFormatFileRead read = readCustomFormatFileAt(options.file);
  if (!read.format) {
    console.print(console.err, "ppexport: " + utf8ToWindows1252(options.file) + ": " + read.error +
                                   ".");
    console.status = badUsage;
    return;
  }
  CustomFormat& format = *read.format;
  if (options.newName) format.name = std::string(trimSpaces(utf8ToWindows1252(*options.newName)));
  SettingsStore* store = usableStore(session, console);
  if (!store) return;
  const bool exists = customFormatExists(*store, format.name);
  if (!succeeded(*store, session, console)) return;
  if (exists) {
    console.print(console.err, "ppexport: a custom format named \"" + format.name +
                                   "\" already exists; import it under another name with --name.");
    console.status = badUsage;
    return;
  }
  storeFormat(format, "Imported", *store, console);
}

// The editor's steps: the stored format (or the editor's defaults) with the given choices typed
// over it, each field picked and each length left as the editor's validators correct them.
void save(CustomOptions options, Session& session, Console& console) {
  CustomFormat given;
  if (!readDescriptions(options, given, console)) {
    console.status = badUsage;
    return;
  }
  SettingsStore* store = usableStore(session, console);
  if (!store) return;
  const std::string typedName = utf8ToWindows1252(options.name);
  CustomFormat format = loadCustomFormat(*store, trimSpaces(typedName));
  format.name = typedName;
  format.fixedLength = options.fixedLength;
  if (options.dateFormat) format.dateFormat = utf8ToWindows1252(*options.dateFormat);
  if (options.voidValue) format.voidValue = utf8ToWindows1252(*options.voidValue);
  if (!options.headerFields.empty()) format.header = given.header;
  if (!options.trailerFields.empty()) format.trailer = given.trailer;
  if (!options.fields.empty()) {
    format.fields = given.fields;
    format.lengths = given.lengths;
    format.detailExtras = given.detailExtras;
    // Date lengths follow the pattern saved with them.
    for (std::size_t i = 0; i < options.fields.size(); ++i) {
      if (given.lengths[i].empty()) validateField(format, static_cast<int>(i + 1));
    }
  }
  storeFormat(format, "Saved", *store, console);
}

// The editor's Delete: the name exactly as given, not trimmed.
void remove(const CustomOptions& options, Session& session, Console& console) {
  SettingsStore* store = usableStore(session, console);
  if (!store) return;
  const std::string name = utf8ToWindows1252(options.name);
  const bool existed = customFormatExists(*store, name);
  if (!succeeded(*store, session, console)) return;
  if (std::optional<EditorMessage> failure = deleteCustomFormat(*store, name)) {
    console.print(console.err, failure->text);
    console.status = failed;
    return;
  }
  console.print(console.out,
                existed ? "Deleted \"" + bankListEntry(name) + "\"."
                        : "There is no custom format named \"" + name + "\"; nothing was deleted.");
}

}  // namespace

void addCustomCommand(CLI::App& app, Session& session, Console& console) {
  auto options = std::make_shared<CustomOptions>();
  CLI::App* custom =
      app.add_subcommand("custom", "List, show, save, delete, export or import custom formats");
  custom->require_subcommand(1);

  custom->add_subcommand("list", "The stored custom formats, in the bank list's order")
      ->callback([&session, &console] { list(session, console); });

  CLI::App* showCommand = custom->add_subcommand("show", "One custom format's definition");
  showCommand->add_option("name", options->name, "Custom format name")->required();
  showCommand->callback([options, &session, &console] { show(*options, session, console); });

  CLI::App* saveCommand =
      custom->add_subcommand("save", "Save a custom format as the editor's Save does");
  saveCommand->add_option("name", options->name, "Custom format name (stored trimmed)")->required();
  CLI::Option_group* output = saveCommand->add_option_group("output", "The kind of file");
  output->add_flag("--csv", options->commaSeparated, "Comma-separated values (*.CSV)");
  output->add_flag("--fixed", options->fixedLength, "Fixed-length fields (*.TXT)");
  output->require_option(1);
  saveCommand
      ->add_option("--field", options->fields,
                   "FIELD[:TEXT][:LENGTH][:zeros|spaces][:left|right] for the next position of "
                   "the detail line: Date, Check Number, Payee, Amount, Is Void, Type, Memo, "
                   "Account Number, Constant:TEXT, Blank, Status Code:ISSUED/VOID[/VOID WITHOUT "
                   "AMOUNT], Bank ID, Remote ID, Batch ID or Bank Code")
      ->allow_extra_args(false);
  saveCommand
      ->add_option("--header-field", options->headerFields,
                   "The same for the header line: Constant:TEXT, Blank, Account Number, Bank ID, "
                   "Remote ID, Batch ID, Bank Code, File Date[:PATTERN], Check Count, Total "
                   "Cents, Total Dollars, Issued Total Cents, Issued Total Dollars or Check "
                   "Number Total; \"\" alone removes the header line")
      ->allow_extra_args(false);
  saveCommand
      ->add_option("--trailer-field", options->trailerFields,
                   "The same for the trailer line; \"\" alone removes it")
      ->allow_extra_args(false);
  saveCommand->add_option("--date-format", options->dateFormat, "Date pattern, e.g. MM/DD/YYYY");
  saveCommand->add_option("--void-value", options->voidValue, "Text of an Is Void field");
  saveCommand->callback([options, &session, &console] { save(*options, session, console); });

  CLI::App* exportCommand =
      custom->add_subcommand("export", "Write a custom format to a file to share (JSON)");
  exportCommand->add_option("name", options->name, "Custom format name")->required();
  exportCommand->add_option("--output", options->file, "The file to write")->required();
  exportCommand->callback([options, &session, &console] { exportFormat(*options, session, console); });

  CLI::App* importCommand =
      custom->add_subcommand("import", "Store the custom format of a file, checked whole first");
  importCommand->add_option("file", options->file, "A custom format file (JSON)")->required();
  importCommand->add_option("--name", options->newName, "Store it under this name instead");
  importCommand->callback([options, &session, &console] { importFormat(*options, session, console); });

  CLI::App* deleteCommand =
      custom->add_subcommand("delete", "Delete a custom format (the name exactly as given)");
  deleteCommand->add_option("name", options->name, "Custom format name")->required();
  deleteCommand->callback([options, &session, &console] { remove(*options, session, console); });
}

}  // namespace ppexport::cli

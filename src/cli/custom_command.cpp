// `ppexport custom`: lists, shows, saves and deletes custom formats by the editor's own rules and
// with its messages.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iterator>
#include <memory>
#include <ostream>

#include "cli/commands.h"
#include "cli/session.h"
#include "custom/custom_format.h"
#include "custom/custom_format_editor.h"
#include "formats/bank_formats.h"
#include "settings/settings_store.h"
#include "text/windows1252.h"

namespace ppexport::cli {

namespace {

struct CustomOptions {
  std::string name;
  bool commaSeparated = false;
  bool fixedLength = false;
  std::vector<std::string> fields;  // FIELD or FIELD:LENGTH, for positions 1 on
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

// The field named by text without regard to case, in the editor's spelling; nothing when none is.
std::optional<std::string> fieldNamed(std::string_view text) {
  for (std::string_view name : customFieldNames) {
    if (upperCase(name) == upperCase(text)) return std::string(name);
  }
  return std::nullopt;
}

// A field or date format that the writers would not know would be stored and then give empty or
// literal fields, so save takes only the editor's own choices (and an empty field position).
bool refusesUnknownChoices(CustomOptions& options, Console& console) {
  for (std::string& given : options.fields) {
    const std::size_t colon = given.rfind(':');
    const std::string name = given.substr(0, colon);
    if (name.empty()) continue;
    const std::optional<std::string> known = fieldNamed(utf8ToWindows1252(name));
    if (!known) {
      console.err << "ppexport: no custom format field named '" << name << "'; the fields are "
                  << oneOf(customFieldNames) << ".\n";
      return true;
    }
    given = *known + (colon == std::string::npos ? "" : given.substr(colon));
  }
  if (options.dateFormat &&
      std::find(customDatePatterns.begin(), customDatePatterns.end(), *options.dateFormat) ==
          customDatePatterns.end()) {
    console.err << "ppexport: no date format '" << *options.dateFormat
                << "'; the date formats are " << oneOf(customDatePatterns) << ".\n";
    return true;
  }
  return false;
}

std::string bankListEntry(std::string_view name) {
  return std::string(customFormatPrefix) + std::string(name);
}

void list(Session& session, Console& console) {
  SettingsStore* store = usableStore(session, console);
  if (!store) return;
  const std::vector<std::string> names = customFormatNames(*store);
  if (!succeeded(*store, session, console)) return;
  for (const std::string& name : names) console.print(console.out, name);
}

void show(const CustomOptions& options, Session& session, Console& console) {
  SettingsStore* store = usableStore(session, console);
  if (!store) return;
  // Like every user of a bank list entry, show looks the name up trimmed.
  const std::string name(trimSpaces(utf8ToWindows1252(options.name)));
  const bool exists = customFormatExists(*store, name);
  if (!succeeded(*store, session, console)) return;
  if (!exists) {
    console.print(console.err, "ppexport: there is no custom format named \"" + name + "\".");
    console.status = badUsage;
    return;
  }
  const CustomFormat format = loadCustomFormat(*store, name);
  console.print(console.out, "Name: " + name);
  console.print(console.out,
                format.fixedLength ? "Output: fixed-length" : "Output: comma-separated");
  for (std::size_t i = 0; i < customFieldCount; ++i) {
    std::string line = "Field " + std::to_string(i + 1) + ":";
    if (!format.fields[i].empty()) line += " " + format.fields[i];
    if (!format.lengths[i].empty()) line += ", length " + format.lengths[i];
    console.print(console.out, line);
  }
  console.print(console.out, "Date format: " + format.dateFormat);
  console.print(console.out,
                "Is Void value:" + (format.voidValue.empty() ? "" : " " + format.voidValue));
}

// The editor's steps: the stored format (or the editor's defaults) with the given choices typed
// over it, each field picked and each length left as the editor's validators correct them.
void save(CustomOptions options, Session& session, Console& console) {
  if (options.fields.size() > customFieldCount) {
    console.err << "ppexport: a custom format has at most " << customFieldCount << " fields.\n";
    console.status = badUsage;
    return;
  }
  if (refusesUnknownChoices(options, console)) {
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
  if (!options.fields.empty()) {
    format.fields = {};
    format.lengths = {};
    for (std::size_t i = 0; i < options.fields.size(); ++i) {
      const std::string field = utf8ToWindows1252(options.fields[i]);
      const std::size_t colon = field.rfind(':');
      format.fields[i] = field.substr(0, colon);
      validateField(format, static_cast<int>(i + 1));
      if (colon != std::string::npos) format.lengths[i] = validateLength(field.substr(colon + 1));
    }
  }
  const SaveResult result = saveCustomFormat(*store, format);
  switch (result.outcome) {
    case SaveOutcome::Saved:
      console.print(console.out, "Saved \"" + result.bankListText + "\".");
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
  CLI::App* custom = app.add_subcommand("custom", "List, show, save or delete custom formats");
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
                   "FIELD[:LENGTH] for the next position: Date, Check Number, Payee, Amount, "
                   "Is Void, Type, Memo or Account Number")
      ->allow_extra_args(false);
  saveCommand->add_option("--date-format", options->dateFormat, "Date pattern, e.g. MM/DD/YYYY");
  saveCommand->add_option("--void-value", options->voidValue, "Text of an Is Void field");
  saveCommand->callback([options, &session, &console] { save(*options, session, console); });

  CLI::App* deleteCommand =
      custom->add_subcommand("delete", "Delete a custom format (the name exactly as given)");
  deleteCommand->add_option("name", options->name, "Custom format name")->required();
  deleteCommand->callback([options, &session, &console] { remove(*options, session, console); });
}

}  // namespace ppexport::cli

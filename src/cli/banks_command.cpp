// `ppexport banks`: the bank list, one entry per line, in the order the window lists it, a merged
// bank marked; with --inputs, the identifier options each format takes, under the captions the
// window shows, and a merged bank's note.

#include <CLI/CLI.hpp>
#include <algorithm>

#include "cli/commands.h"
#include "cli/nearest_names.h"
#include "cli/session.h"
#include "create/bank_codes.h"
#include "create/bank_inputs.h"
#include "formats/bank_list.h"
#include "settings/settings_store.h"
#include "text/windows1252.h"

namespace ppexport::cli {

namespace {
struct BanksOptions {
  bool inputs = false;
  std::optional<std::string> name;
};

// "  --remote-id   Co. Name *": the option, then the window's caption in one column.
std::string optionLine(std::string_view option, std::string_view text) {
  return "  " + std::string(option) + std::string(14 - option.size(), ' ') + std::string(text);
}

// The option lines of one format: "  --remote-id   Co. Name *", and the bank codes it accepts. A
// custom format (or any text the window knows no row for) takes the account number alone.
bool printInputs(const Console& console, const std::string& format) {
  const std::optional<BankInputs> inputs = bankInputs(format);
  const BankInputs shown = inputs.value_or(BankInputs{
      {}, {}, {}, {true, "Account Number", false}, false, "", "", InputLayout::Standard});
  const std::pair<std::string_view, const InputCaption*> options[] = {
      {"--remote-id", &shown.remoteId},
      {"--bank-id", &shown.bankId},
      {"--batch-id", &shown.batchId},
      {"--account-id", &shown.accountId}};
  console.print(console.out, format);
  bool any = false;
  bool star = false;
  for (const auto& [option, input] : options) {
    if (!input->shown) continue;
    console.print(console.out,
                  optionLine(option, std::string(input->caption) + (input->star ? " *" : "")));
    any = true;
    star = star || input->star;
  }
  const std::span<const std::string_view> codes = bankCodeList(format);
  if (!codes.empty()) {
    console.print(console.out,
                  optionLine("--bank-code", std::string(shown.bankCodeCaption) + ", one of:"));
    for (std::string_view code : codes.subspan(1)) console.print(console.out, optionLine("", code));
    any = true;
  }
  if (!any) console.print(console.out, "  (no identifiers)");
  if (const std::optional<MergedBank> merged = mergedBank(format)) {
    console.print(console.out, "  " + std::string(merged->note));
  }
  return star;
}
}  // namespace

void addBanksCommand(CLI::App& app, Session& session, Console& console) {
  auto options = std::make_shared<BanksOptions>();
  CLI::App* command = app.add_subcommand("banks", "List the bank formats, custom formats first");
  command->add_flag("--inputs", options->inputs,
                    "Also list the identifier options each format takes, with the window's "
                    "captions and the bank codes it accepts");
  command->add_option("name", options->name, "Only this bank format's identifier options");
  command->callback([options, &session, &console] {
    SettingsStore* settings = session.settings();
    // A settings file named where settings live in the registry is a usage error (said already).
    if (settings == nullptr) {
      console.status = badUsage;
      return;
    }
    if (options->name && !options->inputs) {
      console.err << "ppexport: a bank format name goes with --inputs: ppexport banks --inputs \""
                  << *options->name << "\"\n";
      console.status = badUsage;
      return;
    }
    const std::vector<std::string> formats = bankList(settings);
    if (!options->inputs) {
      // A merged bank's entry is marked after a tab, so that a script still reads the name as the
      // line's first field.
      for (const std::string& entry : formats) {
        const std::optional<MergedBank> merged = mergedBank(entry);
        console.print(console.out, merged ? entry + "\t(" + std::string(merged->now) + ")" : entry);
      }
      console.status = done;
      return;
    }
    std::vector<std::string> chosen = formats;
    if (options->name) {
      const std::string name = utf8ToWindows1252(*options->name);
      if (std::find(formats.begin(), formats.end(), name) == formats.end()) {
        printUnknownName(console, "bank format", name, formats);
        console.status = badUsage;
        return;
      }
      chosen = {name};
    }
    bool star = false;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
      if (i > 0) console.print(console.out, "");
      star = printInputs(console, chosen[i]) || star;
    }
    if (star) console.print(console.out, "\n* Values provided by your bank");
    console.status = done;
  });
}

}  // namespace ppexport::cli

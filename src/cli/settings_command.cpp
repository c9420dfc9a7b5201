// `ppexport settings`: read and change the stored settings, key by key.

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/commands.h"
#include "cli/session.h"
#include "settings/settings_store.h"
#include "text/windows1252.h"

namespace ppexport::cli {

namespace {
struct SettingsOptions {
  std::string key;
  std::string value;
  std::string defaultValue;
};

// The store, or the exit status when there is none to use.
SettingsStore* storeOrFail(Session& session, Console& console) {
  SettingsStore* store = session.settings();
  if (store == nullptr) console.status = badUsage;
  return store;
}

int reportFailure(SettingsStore& store, Session& session) {
  session.reportSettingsFailure(store);
  return failed;
}
}  // namespace

void addSettingsCommand(CLI::App& app, Session& session, Console& console) {
  auto options = std::make_shared<SettingsOptions>();
  CLI::App* command = app.add_subcommand("settings", "Read and change the stored settings");
  command->require_subcommand(1);

  CLI::App* get = command->add_subcommand("get", "Print the value of a key, or the default");
  get->add_option("key", options->key, "Key")->required();
  get->add_option("default", options->defaultValue, "Printed when the key is absent");
  get->callback([options, &session, &console] {
    SettingsStore* store = storeOrFail(session, console);
    if (store == nullptr) return;
    const std::string key = utf8ToWindows1252(options->key);
    const std::optional<std::string> value = store->readSetting(key);
    if (!value && !store->lastError().empty()) {
      console.status = reportFailure(*store, session);
      return;
    }
    console.print(console.out, value ? *value : utf8ToWindows1252(options->defaultValue));
    console.status = done;
  });

  CLI::App* set = command->add_subcommand("set", "Store a value under a key");
  set->add_option("key", options->key, "Key")->required();
  set->add_option("value", options->value, "Value")->required();
  set->callback([options, &session, &console] {
    SettingsStore* store = storeOrFail(session, console);
    if (store == nullptr) return;
    console.status = store->saveSetting(utf8ToWindows1252(options->key),
                                        utf8ToWindows1252(options->value))
                         ? done
                         : reportFailure(*store, session);
  });

  CLI::App* remove = command->add_subcommand("delete", "Remove a key (an absent key is fine)");
  remove->add_option("key", options->key, "Key")->required();
  remove->callback([options, &session, &console] {
    SettingsStore* store = storeOrFail(session, console);
    if (store == nullptr) return;
    console.status = store->deleteSetting(utf8ToWindows1252(options->key))
                         ? done
                         : reportFailure(*store, session);
  });

  CLI::App* list = command->add_subcommand("list", "Print every key and value, tab between");
  list->callback([&session, &console] {
    SettingsStore* store = storeOrFail(session, console);
    if (store == nullptr) return;
    const SettingsEntries entries = store->enumerate();
    if (entries.empty() && !store->lastError().empty()) {
      console.status = reportFailure(*store, session);
      return;
    }
    for (const auto& [key, value] : entries) console.print(console.out, key + "\t" + value);
    console.status = done;
  });
}

}  // namespace ppexport::cli

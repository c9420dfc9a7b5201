#include "cli/command_words.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>

#include "cli/nearest_names.h"

namespace ppexport::cli {

namespace {
bool takesValue(std::string_view option) {
  return std::find(std::begin(globalValueOptions), std::end(globalValueOptions), option) !=
         std::end(globalValueOptions);
}

// The commands under command; its option groups are no commands.
std::vector<CLI::App*> commandsOf(CLI::App& command) {
  return command.get_subcommands(
      [](CLI::App* sub) { return dynamic_cast<CLI::Option_group*>(sub) == nullptr; });
}

// "ppexport: unknown command 'crate'. Did you mean 'create'?" and where to look instead.
int unknownCommand(const Console& console, std::string_view word,
                   const std::vector<std::string>& names, const std::string& path) {
  std::string line = "ppexport: unknown command '" + std::string(word) + "'.";
  const std::vector<std::string> nearest = nearestNames(word, names);
  if (!nearest.empty()) line += " Did you mean '" + nearest.front() + "'?";
  console.err << line << "\nSee '" << path << " --help'.\n";
  return badUsage;
}
}  // namespace

std::optional<int> answerCommandWords(CLI::App& app, const std::vector<std::string>& arguments,
                                      const Console& console) {
  CLI::App* command = &app;
  std::string parentPath;
  std::string path = "ppexport";
  bool help = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    if (word == "--") break;
    if (word.starts_with("-")) {
      if (takesValue(word)) ++i;
      continue;
    }
    const std::vector<CLI::App*> commands = commandsOf(*command);
    // A command without commands of its own reads the rest of the line itself.
    if (commands.empty()) break;
    if (command == &app && word == "help" && !help) {
      help = true;
      continue;
    }
    auto named = std::find_if(commands.begin(), commands.end(),
                              [&](CLI::App* sub) { return sub->get_name() == word; });
    if (named == commands.end()) {
      std::vector<std::string> names;
      for (CLI::App* sub : commands) names.push_back(sub->get_name());
      if (command == &app) names.push_back("help");
      return unknownCommand(console, word, names, path);
    }
    command = *named;
    parentPath = path;
    path += " " + word;
  }
  if (!help) return std::nullopt;
  console.out << command->help(parentPath);
  return done;
}

}  // namespace ppexport::cli

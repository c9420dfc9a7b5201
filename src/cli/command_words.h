#pragma once
// The words of a command line that name a command ("settings list"), looked at before the options
// are read: a mistyped word is answered by name with the nearest command, and `ppexport help
// [COMMAND]` prints the help of that command.

#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace CLI {
class App;
}

namespace ppexport::cli {

// The global options that take a value; they may stand before or after the command.
inline constexpr std::string_view globalValueOptions[] = {"--settings", "--company", "--now",
                                                          "--history"};

// The exit status when the line is answered here (a help printed, an unknown command), nothing
// when it goes on to be read as usual.
std::optional<int> answerCommandWords(CLI::App& app, const std::vector<std::string>& arguments,
                                      const Console& console);

}  // namespace ppexport::cli

#pragma once
// Names given on the command line that name nothing are answered with the nearest ones, as a typo
// most often is one or two letters off.

#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

namespace ppexport {
class SettingsStore;
}

namespace ppexport::cli {

// Up to three of the names at the smallest edit distance from name, ignoring letter case; none when
// the nearest is further than half the name's length. The one name that begins with name, if only
// one does, comes first.
std::vector<std::string> nearestNames(std::string_view name, const std::vector<std::string>& names);

// "ppexport: no <what> named 'X'" and, when there are near names, "Did you mean: A, B?" on
// standard error. Names are Windows-1252.
void printUnknownName(const Console& console, std::string_view what, std::string_view name,
                      const std::vector<std::string>& names);

// For a bank format with a bank code list, the list entry that code names (the entry or its code
// alone) replaces code; a code the list does not hold is refused with the list on standard error.
// True when code can be written.
bool takeBankCode(const Console& console, std::string_view bank, std::string& code);

// True when bank (Windows-1252) names a built-in format or a stored custom format.
bool namesBankFormat(std::string_view bank, SettingsStore* settings);

}  // namespace ppexport::cli

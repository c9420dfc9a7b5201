#pragma once
// The entries of the bank list, as the window shows them and the command line prints them.

#include <string>
#include <vector>

namespace ppexport {

class SettingsStore;

// The stored custom formats first, each as "Custom Format: " followed by the stored value of a
// key that begins with exactly "Custom Format: ", in the store's enumeration order; then the 35
// built-in names. A store that cannot be enumerated, or none at all (nullptr), adds no custom
// entry.
std::vector<std::string> bankList(SettingsStore* settings);

}  // namespace ppexport

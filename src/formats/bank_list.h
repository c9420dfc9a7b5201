#pragma once
// The entries of the bank list, as the window shows them and the command line prints them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ppexport {

class SettingsStore;

// The stored custom formats first, each as "Custom Format: " followed by the stored value of a
// key that begins with exactly "Custom Format: ", in the store's enumeration order; then the 38
// built-in names. A store that cannot be enumerated, or none at all (nullptr), adds no custom
// entry.
std::vector<std::string> bankList(SettingsStore* settings);

// A built-in format whose bank has merged into another since the format was written keeps its
// name (stored settings name it) and carries a note: which bank it is part of now, and whom to ask
// whether the layout is still taken.
struct MergedBank {
  std::string_view now;   // "now part of Truist", the bank list's mark
  std::string_view note;  // the one-line note the window shows under the bank list
};

// The merged bank of a bank list entry; nothing for every other entry.
std::optional<MergedBank> mergedBank(std::string_view bankListText);

}  // namespace ppexport

#include "cli/nearest_names.h"

#include <algorithm>

#include "create/bank_codes.h"
#include "create/format_dispatch.h"
#include "custom/custom_format.h"
#include "formats/bank_formats.h"
#include "text/windows1252.h"

namespace ppexport::cli {

namespace {
// The fewest single-character insertions, deletions and changes that turn a into b.
std::size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> previous(b.size() + 1);
  std::vector<std::size_t> current(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    current[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t change = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
      current[j] = std::min({change, previous[j] + 1, current[j - 1] + 1});
    }
    std::swap(previous, current);
  }
  return previous[b.size()];
}
}  // namespace

std::vector<std::string> nearestNames(std::string_view name,
                                      const std::vector<std::string>& names) {
  const std::string wanted = upperCase(name);
  std::size_t smallest = wanted.size() / 2;
  std::vector<std::string> nearest;
  for (const std::string& candidate : names) {
    const std::size_t distance = editDistance(wanted, upperCase(candidate));
    if (distance > smallest) continue;
    if (distance < smallest) {
      smallest = distance;
      nearest.clear();
    }
    if (nearest.size() < 3) nearest.push_back(candidate);
  }
  // A name typed short ("Regions" for "Regions Bank") is offered when it begins only one name.
  const std::string* begun = nullptr;
  for (const std::string& candidate : names) {
    if (!wanted.empty() && upperCase(candidate).starts_with(wanted)) {
      if (begun != nullptr) return nearest;
      begun = &candidate;
    }
  }
  if (begun != nullptr && std::find(nearest.begin(), nearest.end(), *begun) == nearest.end()) {
    nearest.insert(nearest.begin(), *begun);
    if (nearest.size() > 3) nearest.pop_back();
  }
  return nearest;
}

void printUnknownName(const Console& console, std::string_view what, std::string_view name,
                      const std::vector<std::string>& names) {
  console.print(console.err,
                "ppexport: no " + std::string(what) + " named '" + std::string(name) + "'");
  const std::vector<std::string> nearest = nearestNames(name, names);
  if (nearest.empty()) return;
  std::string line = "Did you mean: ";
  for (std::size_t i = 0; i < nearest.size(); ++i) {
    if (i > 0) line += ", ";
    line += nearest[i];
  }
  console.print(console.err, line + "?");
}

bool takeBankCode(const Console& console, std::string_view bank, std::string& code) {
  const std::span<const std::string_view> codes = bankCodeList(bank);
  if (codes.empty()) return true;
  if (const std::optional<std::string_view> entry = bankCodeEntry(bank, code)) {
    code = *entry;
    return true;
  }
  console.print(console.err, code.empty() || code == noBankCodeChosen
                                 ? "ppexport: " + std::string(bank) + " takes a bank code, one of:"
                                 : "ppexport: no bank code '" + code + "' for " +
                                       std::string(bank) + "; one of:");
  for (std::string_view entry : codes.subspan(1)) {
    console.print(console.err, "  " + std::string(entry));
  }
  return false;
}

bool namesBankFormat(std::string_view bank, SettingsStore* settings) {
  if (findBankFormat(bank) != nullptr) return true;
  const std::optional<std::string> custom = customFormatName(bank);
  return custom && settings != nullptr && customFormatExists(*settings, *custom);
}

}  // namespace ppexport::cli

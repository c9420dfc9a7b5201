#include "window/controls.h"

namespace ppexport::window {

int entryIndex(const std::vector<std::string>& entries, std::string_view text) {
  for (std::size_t index = 0; index < entries.size(); ++index) {
    if (entries[index] == text) return static_cast<int>(index);
  }
  return -1;
}

}  // namespace ppexport::window

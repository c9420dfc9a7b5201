#include "settings/environment.h"

#include <cstdlib>

namespace ppexport {

std::string environmentValue(const char* name) {
#ifdef _WIN32
  char* buffer = nullptr;
  std::size_t length = 0;
  if (_dupenv_s(&buffer, &length, name) != 0 || buffer == nullptr) return {};
  std::string value(buffer);
  std::free(buffer);
  return value;
#else
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
#endif
}

const char* folderSeparator() {
#ifdef _WIN32
  return "\\";
#else
  return "/";
#endif
}

std::string pathInFolder(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const char last = folder.back();
  if (last == '/' || last == '\\') return folder + name;
  return folder + folderSeparator() + name;
}

}  // namespace ppexport

#include "settings/environment.h"

#include <cstdlib>

#ifdef _WIN32
#include "text/wide_text.h"
#endif

namespace ppexport {

std::string environmentValue(const char* name) {
#ifdef _WIN32
  // The wide environment: the narrow one holds the ANSI code page, which loses the letters of a
  // user folder such as C:\Users\Müller that it cannot hold.
  const std::wstring wideName = widen(name);
  const DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  const DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
  if (length == 0 || length >= size) return {};
  value.resize(length);
  return narrow(value);
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

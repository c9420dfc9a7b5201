#include "text/file_names.h"

#include <cstdlib>

#ifdef _WIN32
#include "text/wide_text.h"
#else
#include <system_error>
#endif

namespace ppexport {

std::string joinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '/' && path.back() != '\\') path += pathSeparator;
  path += name;
  return path;
}

std::filesystem::path filePath(std::string_view name) {
  return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

std::string fileName(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::FILE* openFile(std::string_view name, const char* mode) {
#ifdef _WIN32
  return _wfopen(widen(name).c_str(), widen(mode).c_str());
#else
  return std::fopen(std::string(name).c_str(), mode);
#endif
}

std::string environmentVariable(const char* name) {
#ifdef _WIN32
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
  return value == nullptr ? std::string() : std::string(value);
#endif
}

std::string programFolder() {
#ifdef _WIN32
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      break;
    }
    name.resize(name.size() * 2);
  }
  return fileName(std::filesystem::path(name).parent_path());
#else
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : fileName(program.parent_path());
#endif
}

}  // namespace ppexport

#include "text/file_names.h"

#ifdef _WIN32
#include "text/wide_text.h"
#endif

namespace ppexport {

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

}  // namespace ppexport

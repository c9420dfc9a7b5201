#include "text/file_names.h"

#include <cerrno>
#include <cstring>
#include <system_error>

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

namespace {
std::filesystem::path normalPath(std::string_view name) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::weakly_canonical(filePath(name), error);
  if (error) path = std::filesystem::absolute(filePath(name), error).lexically_normal();
  return path;
}
}  // namespace

bool sameFile(std::string_view first, std::string_view second) {
  std::error_code error;
  if (std::filesystem::equivalent(filePath(first), filePath(second), error)) return true;
  return normalPath(first) == normalPath(second);
}

bool insideFolder(std::string_view name, std::string_view folder) {
  const std::filesystem::path path = normalPath(name);
  const std::filesystem::path within = normalPath(folder);
  auto part = path.begin();
  for (auto step = within.begin(); step != within.end(); ++step, ++part) {
    // A trailing separator gives an empty last part, which any name continues.
    if (step->empty() && std::next(step) == within.end()) return true;
    if (part == path.end() || *part != *step) return false;
  }
  return true;
}

std::FILE* openFile(std::string_view name, const char* mode) {
#ifdef _WIN32
  return _wfopen(widen(name).c_str(), widen(mode).c_str());
#else
  return std::fopen(std::string(name).c_str(), mode);
#endif
}

std::optional<std::string> readFileBytes(const std::string& path, std::string& problem) {
  std::FILE* file = openFile(path, "rb");
  if (file == nullptr) {
    problem = std::strerror(errno);
    return std::nullopt;
  }
  // Read in one piece of the file's size where it has one, so that a large file is neither
  // copied as it grows nor buffered twice (a folder's or a device's size is no size to read).
  std::string bytes;
  std::error_code sizeError;
  const std::uintmax_t expected = std::filesystem::file_size(filePath(path), sizeError);
  if (!sizeError && expected > 0 && expected < (std::uintmax_t{1} << 32)) {
    std::setvbuf(file, nullptr, _IONBF, 0);
    bytes.resize(static_cast<std::size_t>(expected));
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
  }
  // Whatever else the file holds (it grew meanwhile, or its size is not known).
  char buffer[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    problem = "it could not be read";
    return std::nullopt;
  }
  return bytes;
}

std::string_view fileNamePart(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace ppexport

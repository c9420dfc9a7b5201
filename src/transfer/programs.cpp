#include "transfer/programs.h"

#include <filesystem>

#include "settings/environment.h"
#include "text/file_names.h"

namespace ppexport {

ProgramRun SystemPrograms::run(const std::vector<std::string>& arguments,
                               std::chrono::milliseconds limit) {
  if (arguments.empty()) return ProgramRun{false, false, -1, {}, "no program named"};
  return runSystemProgram(arguments, limit);
}

std::string windowsOpensshProgram(std::string_view name, std::string_view systemRoot) {
  std::string root(systemRoot);
  while (!root.empty() && (root.back() == '\\' || root.back() == '/')) root.pop_back();
  return root + "\\System32\\OpenSSH\\" + std::string(name) + ".exe";
}

std::string opensshProgram(std::string_view name) {
#ifdef _WIN32
  const std::string root = environmentValue("SystemRoot");
  if (!root.empty()) {
    const std::string shipped = windowsOpensshProgram(name, root);
    std::error_code error;
    if (std::filesystem::is_regular_file(filePath(shipped), error)) return shipped;
  }
  return std::string(name) + ".exe";
#else
  return std::string(name);
#endif
}

std::string windowsCommandLine(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty()) line += ' ';
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos) {
      line += argument;
      continue;
    }
    line += '"';
    std::size_t backslashes = 0;
    for (const char c : argument) {
      if (c == '\\') {
        ++backslashes;
        continue;
      }
      // Backslashes before a quote are doubled, and the quote escaped; elsewhere they stay.
      line.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
      backslashes = 0;
      line += c;
    }
    // Before the closing quote they are doubled too.
    line.append(backslashes * 2, '\\');
    line += '"';
  }
  return line;
}

}  // namespace ppexport

#include "support/golden.h"

#include <filesystem>

#include "support/reports.h"
#include "support/temp_folder.h"
#include "text/file_names.h"

namespace ppexport::testing {

::testing::AssertionResult fileHoldsLines(const std::string& path,
                                          const std::vector<std::string>& lines) {
  if (!std::filesystem::exists(filePath(path))) return ::testing::AssertionFailure() << path << " is missing";
  std::vector<std::string> actual = fileLines(readBytes(path));
  if (actual == lines) return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure();
  failure << "\n";
  for (std::size_t i = 0; i < std::max(actual.size(), lines.size()); ++i) {
    const std::string got = i < actual.size() ? actual[i] : "<none>";
    const std::string want = i < lines.size() ? lines[i] : "<none>";
    failure << (got == want ? "  " : "! ") << "line " << i + 1 << "\n    got:  [" << got
            << "]\n    want: [" << want << "]\n";
  }
  return failure;
}

::testing::AssertionResult everyLineIsLong(const std::string& path, std::size_t length) {
  std::vector<std::string> lines = fileLines(readBytes(path));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].size() != length) {
      return ::testing::AssertionFailure()
             << "line " << i + 1 << " has " << lines[i].size() << " characters, not " << length;
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace ppexport::testing

#include "support/written_file.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "support/temp_folder.h"

namespace ppexport::testing {

WrittenFile writeBankFile(FormatWriter writer, WriterFixture& fixture) {
  TempFolder folder;
  fixture.inputs.fileName = folder.file("bank.txt");
  WrittenFile written;
  written.result = writer(fixture.inputs);
  written.bytes = readBytes(fixture.inputs.fileName);
  written.lines = fileLines(written.bytes);
  return written;
}

std::vector<std::string> readLines(const std::string& path) { return fileLines(readBytes(path)); }

void dropBill1(WriterFixture& fixture) {
  fixture.checks = reportTable(
      {{"Document Number", "Name", "Date", "Name Type", "Amount", "Cleared", "Description"},
       {"1001", "Acme", "03/05/2024", "Vendor", "-1", "Uncleared", ""}});
}

::testing::AssertionResult matchesGolden(const std::string& bytes, const std::string& name) {
  const std::string path = std::string(PPEXPORT_SOURCE_DIR) + "/tests/golden/" + name;
  const char* update = std::getenv("PPEXPORT_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    writeBytes(path, bytes);
    return ::testing::AssertionSuccess();
  }
  if (!std::filesystem::exists(path)) {
    return ::testing::AssertionFailure() << "no golden file " << path;
  }
  const std::string golden = readBytes(path);
  if (bytes == golden) return ::testing::AssertionSuccess();
  ::testing::AssertionResult lines = linesAre(fileLines(bytes), fileLines(golden));
  auto failure = ::testing::AssertionFailure() << "the bytes differ from " << path;
  return lines ? failure : failure << lines.message();
}

std::string describedEntries(const SettingsEntries& entries) {
  std::string lines;
  for (const auto& [key, value] : entries) lines += key + "=" + value + "\n";
  return lines;
}

::testing::AssertionResult linesAre(const std::vector<std::string>& lines,
                                    const std::vector<std::string>& expected) {
  if (lines == expected) return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure();
  for (std::size_t i = 0; i < std::max(lines.size(), expected.size()); ++i) {
    const std::string got = i < lines.size() ? lines[i] : "<none>";
    const std::string want = i < expected.size() ? expected[i] : "<none>";
    failure << "\n" << (got == want ? "  " : "! ") << "line " << i + 1 << "\n    got:  [" << got
            << "]\n    want: [" << want << "]";
  }
  return failure;
}

}  // namespace ppexport::testing

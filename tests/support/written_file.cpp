#include "support/written_file.h"

#include "support/temp_folder.h"

namespace ppexport::testing {

WrittenFile writeBankFile(FormatWriter writer, WriterFixture& fixture) {
  TempFolder folder;
  fixture.inputs.fileName = folder.file("bank.txt");
  WrittenFile written;
  written.result = writer(fixture.inputs);
  written.lines = fileLines(readBytes(fixture.inputs.fileName));
  return written;
}

void dropBill1(WriterFixture& fixture) {
  fixture.checks = reportTable(
      {{"Document Number", "Name", "Date", "Name Type", "Amount", "Cleared", "Description"},
       {"1001", "Acme", "03/05/2024", "Vendor", "-1", "Uncleared", ""}});
}

::testing::AssertionResult linesAreLong(const std::vector<std::string>& lines, std::size_t length) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].size() != length) {
      return ::testing::AssertionFailure()
             << "line " << i + 1 << " has " << lines[i].size() << " characters, not " << length
             << ": [" << lines[i] << "]";
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace ppexport::testing

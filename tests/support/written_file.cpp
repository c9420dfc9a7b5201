#include "support/written_file.h"

#include <algorithm>

#include "support/temp_folder.h"

namespace ppexport::testing {

namespace {
void takeIdentifiers(WriterInputs& inputs, const WriterInputs& identifiers) {
  inputs.bankId = identifiers.bankId;
  inputs.accountId = identifiers.accountId;
  inputs.remoteId = identifiers.remoteId;
  inputs.batchId = identifiers.batchId;
  inputs.bankCode = identifiers.bankCode;
  inputs.payeeVerification = identifiers.payeeVerification;
  inputs.customFormatName = identifiers.customFormatName;
  if (identifiers.now != DateTime{}) inputs.now = identifiers.now;
}

::testing::AssertionResult writes(WriterFixture& fixture, const GoldenFile& golden, int count,
                                  const std::vector<std::string>& lines) {
  takeIdentifiers(fixture.inputs, golden.identifiers);
  const WrittenFile file = writeBankFile(golden.writer, fixture);
  ::testing::AssertionResult same = linesAre(file.lines, lines);
  if (file.result.written && file.result.count == count && file.result.warnings.empty() && same) {
    return same;
  }
  auto failure = ::testing::AssertionFailure();
  if (!file.result.written) failure << "not written: " << file.result.failure << "\n";
  if (file.result.count != count) {
    failure << "count " << file.result.count << ", not " << count << "\n";
  }
  for (const std::string& warning : file.result.warnings) failure << warning << "\n";
  failure << "in the file that begins [" << (lines.empty() ? "" : lines.front()) << "]";
  if (!same) failure << same.message();
  return failure;
}
}  // namespace

WrittenFile writeBankFile(FormatWriter writer, WriterFixture& fixture) {
  TempFolder folder;
  fixture.inputs.fileName = folder.file("bank.txt");
  WrittenFile written;
  written.result = writer(fixture.inputs);
  written.lines = readLines(fixture.inputs.fileName);
  return written;
}

WrittenFile writeBankFile(FormatWriter writer, const std::vector<Check>& checks,
                          const WriterInputs& identifiers) {
  WriterFixture fixture(checks);
  takeIdentifiers(fixture.inputs, identifiers);
  return writeBankFile(writer, fixture);
}

std::vector<std::string> readLines(const std::string& path) { return fileLines(readBytes(path)); }

void dropBill1(WriterFixture& fixture) {
  fixture.checks = reportTable(
      {{"Document Number", "Name", "Date", "Name Type", "Amount", "Cleared", "Description"},
       {"1001", "Acme", "03/05/2024", "Vendor", "-1", "Uncleared", ""}});
}

::testing::AssertionResult writesGoldenFiles(
    const std::vector<Check>& checks, const GoldenFile& golden,
    const std::vector<std::vector<std::string>>& vendorLines) {
  WriterFixture fixture(checks, vendorLines);
  if (auto full = writes(fixture, golden, golden.count, golden.lines); !full) return full;
  WriterFixture withoutBill1(checks);
  dropBill1(withoutBill1);
  if (auto none = writes(withoutBill1, golden, 0, golden.withoutBill1); !none) {
    return none << "\n  (the check table without \"Bill 1\")";
  }
  return ::testing::AssertionSuccess();
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

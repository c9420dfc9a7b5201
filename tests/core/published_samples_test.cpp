// The banks' own sample files as an oracle: for the checks of each sample under
// tests/golden/published/, the file our format writes matches the bank's line by line, as far as a
// public copy of the sample keeps its bytes (see tests/golden/published/cases.txt).

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "formats/bank_formats.h"
#include "support/bank_format_shapes.h"
#include "support/case_file.h"
#include "support/temp_folder.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using PublishedSample = testing::CaseFile::Case;

std::string withoutTrailingSpaces(std::string line) {
  line.erase(line.find_last_not_of(' ') + 1);
  return line;
}

class BankSample : public ::testing::TestWithParam<PublishedSample> {};

TEST_P(BankSample, isWhatTheFormatWritesForItsChecks) {
  const PublishedSample& c = GetParam();
  const BankFormat* format = findBankFormat(c.lines[0].at(1));
  ASSERT_NE(format, nullptr) << c.lines[0].at(1);
  const testing::CaseFile& cases = testing::caseFile("published/cases.txt");
  testing::WriterFixture fixture({});
  fixture.checks = testing::reportTable(cases.tables.at(c.get("register")));
  fixture.inputs.remoteId = c.get("remoteId");
  fixture.inputs.batchId = c.get("batchId");
  fixture.inputs.bankId = c.get("bankId");
  fixture.inputs.accountId = c.get("accountId");
  const testing::WrittenFile file = testing::writeBankFile(format->writer, fixture);
  ASSERT_TRUE(file.result.written) << file.result.failure;

  std::vector<std::string> published;
  std::istringstream sample(
      testing::readBytes(std::string(PPEXPORT_SOURCE_DIR) + "/tests/golden/published/" +
                         c.lines[0].at(2)));
  for (std::string line; std::getline(sample, line);) published.push_back(line);
  std::vector<std::string> written;
  for (const std::string& line : file.lines) written.push_back(withoutTrailingSpaces(line));
  for (const auto& spacingLost : c.all("spacingLost")) {
    const std::size_t index = std::stoul(spacingLost.at(0)) - 1;
    ASSERT_LT(index, written.size());
    written[index] = std::regex_replace(written[index], std::regex(" +"), " ");
  }
  EXPECT_TRUE(testing::linesAre(written, published));
}

INSTANTIATE_TEST_SUITE_P(Published, BankSample,
                         ::testing::ValuesIn(testing::caseFile("published/cases.txt").cases),
                         [](const ::testing::TestParamInfo<PublishedSample>& info) {
                           return testing::testNameOf(info.param.lines[0].at(1));
                         });

}  // namespace
}  // namespace ppexport

#include "create/result_summary.h"

#include <gtest/gtest.h>

#include "create/format_dispatch.h"
#include "support/case_file.h"
#include "support/reports.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::WriterFixture;

// The cases of tests/golden/result-summary-cases.txt: the bank file of a format written on a
// register with the identifiers and stored settings of its case, and summed up as a Create does.
class ResultSummary : public ::testing::TestWithParam<testing::CaseFile::Case> {};

TEST_P(ResultSummary, warnsAndTotalsFromTheWrittenFile) {
  const testing::CaseFile::Case& c = GetParam();
  const std::string bank = c.lines[0].at(1);
  testing::TempFolder folder;
  WriterFixture fixture({});
  fixture.checks = testing::reportTable(
      testing::caseFile("result-summary-cases.txt").tables.at(c.get("register")));
  for (const auto& setting : c.all("setting")) {
    fixture.settings.saveSetting(setting.at(0), setting.at(1));
  }
  fixture.inputs.fileName = folder.file("bank.txt");
  fixture.inputs.remoteId = c.get("remoteId");
  fixture.inputs.bankId = c.get("bankId");
  fixture.inputs.batchId = c.get("batchId");
  fixture.inputs.accountId = c.get("accountId");
  fixture.inputs.bankCode = c.get("bankCode");
  const WriterResult written = runFormatWriter(bank, fixture.inputs);
  EXPECT_TRUE(written.written) << bank;
  const FileSummary summary =
      summarizeWrittenFile(bank, "bank.txt", fixture.inputs, written, ReviewRequest{}, {});
  std::vector<std::string> warnings;
  for (const auto& warning : c.all("warning")) warnings.push_back(warning.at(0));
  EXPECT_EQ(summary.warnings, warnings);
  std::string message;
  for (const auto& line : c.all("message")) message += (message.empty() ? "" : "\r\n") + line.at(0);
  EXPECT_TRUE(message.empty() || summary.message == message) << summary.message;
}

INSTANTIATE_TEST_SUITE_P(Cases, ResultSummary,
                         ::testing::ValuesIn(testing::caseFile("result-summary-cases.txt").cases));

}  // namespace
}  // namespace ppexport

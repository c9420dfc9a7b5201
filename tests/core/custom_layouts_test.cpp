// Built-in layouts described as custom formats: each file under tests/golden/custom-layouts/ is
// imported as a custom format named after a built-in bank format, and writes the very bytes of
// that format's writer on the month register (also without a heading) and on the sample company's
// check report.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "custom/custom_format_editor.h"
#include "custom/custom_format_file.h"
#include "custom/custom_writers.h"
#include "formats/bank_formats.h"
#include "support/case_file.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::filesystem::path> layoutFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(
           std::filesystem::path(PPEXPORT_SOURCE_DIR) / "tests/golden/custom-layouts")) {
    files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

class CustomLayout : public ::testing::TestWithParam<std::filesystem::path> {};

TEST_P(CustomLayout, writesTheBytesOfTheBuiltInFormatItDescribes) {
  const CustomFormatFileRead read = readCustomFormatFile(fileText(GetParam()));
  ASSERT_TRUE(read.format) << read.error;
  const BankFormat* builtIn = findBankFormat(read.format->name);
  ASSERT_NE(builtIn, nullptr) << read.format->name;
  const std::string data = std::string(PPEXPORT_SOURCE_DIR) + "/data/";
  // The sample, the month, and the month without the "Bill 1" heading (no row is read).
  for (const int report : {0, 1, 2}) {
    const bool sample = report == 0;
    testing::WriterFixture fixture({});
    if (sample) {
      readReportFile(data + "sample-checks.txt", fieldSeparator, fixture.checks);
      readReportFile(data + "sample-vendors.txt", fieldSeparator, fixture.vendorTable);
      fixture.vendors = VendorIndex(fixture.vendorTable);
    } else {
      fixture.checks =
          testing::reportTable(testing::caseFile("bank-file-cases.txt").tables.at("month"));
      if (report == 2) testing::dropBill1(fixture);
    }
    fixture.inputs.bankId = "12345";
    fixture.inputs.accountId = "987654321";
    fixture.inputs.remoteId = "ACME CORP";
    fixture.inputs.batchId = "001";
    CustomFormat format = *read.format;
    ASSERT_TRUE(saveCustomFormat(fixture.settings, format).saved());
    fixture.inputs.customFormatName = format.name;
    const testing::WrittenFile custom = testing::writeBankFile(
        format.fixedLength ? writeCustomFixed : writeCustomCsv, fixture);
    const testing::WrittenFile expected = testing::writeBankFile(builtIn->writer, fixture);
    EXPECT_EQ(custom.result.count, expected.result.count) << report;
    EXPECT_TRUE(testing::linesAre(custom.lines, expected.lines)) << report;
    EXPECT_EQ(custom.bytes, expected.bytes);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, CustomLayout, ::testing::ValuesIn(layoutFiles()),
                         [](const ::testing::TestParamInfo<std::filesystem::path>& info) {
                           std::string name = info.param.stem().string();
                           for (char& c : name) {
                             if (c == '-') c = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace ppexport

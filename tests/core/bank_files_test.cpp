// The files of the built-in bank formats, byte for byte against the golden files under
// tests/golden/<format>/: every format on one month of a check register (each line also checked
// against the format's layout table), and each format on the registers of its own edge cases,
// which tests/golden/bank-file-cases.txt holds with the identifiers, count and warnings of each.

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "formats/bank_formats.h"
#include "support/bank_format_shapes.h"
#include "support/temp_folder.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::BankFormatShape;
using testing::SelectedRows;
using testing::WriterFixture;
using Lines = std::vector<std::vector<std::string>>;

struct BankFileCase {
  std::string format;
  std::string name;  // the golden file tests/golden/<format>/<name>.txt
  std::string checks;
  std::string vendors;
  WriterInputs ids;
  int count = 0;
  std::vector<std::string> warnings;
};

void PrintTo(const BankFileCase& c, std::ostream* out) { *out << c.format << ", " << c.name; }

struct BankFileCases {
  std::map<std::string, Lines> tables;
  std::vector<BankFileCase> cases;
};

// The registers, vendor lists and cases of the data file: a "table" line starts the lines of a
// table (up to a blank line), a "case" line a case; the other lines are a key and a value.
const BankFileCases& bankFileCases() {
  static const BankFileCases data = [] {
    BankFileCases data;
    std::istringstream in(
        testing::readBytes(PPEXPORT_SOURCE_DIR "/tests/golden/bank-file-cases.txt"));
    Lines* table = nullptr;
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty()) table = nullptr;
      if (line.empty() || line[0] == '#') continue;
      for (std::size_t at; (at = line.find("\\x")) != std::string::npos;) {
        line.replace(at, 4, 1, static_cast<char>(std::stoi(line.substr(at + 2, 2), nullptr, 16)));
      }
      std::vector<std::string> fields;
      for (std::size_t from = 0, tab = 0; tab != std::string::npos; from = tab + 1) {
        tab = line.find('\t', from);
        fields.push_back(line.substr(from, tab - from));
      }
      const std::string& key = fields[0];
      const std::string value = fields.size() > 1 ? fields[1] : "";
      BankFileCase* c = data.cases.empty() ? nullptr : &data.cases.back();
      if (table != nullptr) table->push_back(fields);
      else if (key == "table") table = &data.tables[value];
      else if (key == "case") data.cases.push_back({.format = value, .name = fields.at(2)});
      else if (key == "register") c->checks = value;
      else if (key == "vendors") c->vendors = value;
      else if (key == "bankId") c->ids.bankId = value;
      else if (key == "accountId") c->ids.accountId = value;
      else if (key == "remoteId") c->ids.remoteId = value;
      else if (key == "batchId") c->ids.batchId = value;
      else if (key == "bankCode") c->ids.bankCode = value;
      else if (key == "payeeVerification") c->ids.payeeVerification = true;
      else if (key == "now") c->ids.now = DateTime{Date{2024, 5, 20}, 9, 30};
      else if (key == "count") c->count = std::stoi(value);
      else if (key == "warning") c->warnings.push_back(value);
      else ADD_FAILURE() << "bank-file-cases.txt: " << line;
    }
    return data;
  }();
  return data;
}

// The rows each selection takes from that month, and the voids among them.
SelectedRows selectedRows(Selection selection) {
  switch (selection) {
    case Selection::UnclearedOrVoid:
      return {4, 2};  // 1001, 1003, 1004, 1005
    case Selection::EveryNumberedCheck:
      return {5, 2};  // 1001 to 1005
    case Selection::UnclearedOnly:
      return {3, 1};  // 1001, 1004, 1005
  }
  return {};
}

std::string goldenName(std::string_view format, const std::string& name) {
  return testing::testNameOf(format) + "/" + name + ".txt";
}

TEST(AllBankFormats, theTableNamesEveryBuiltInFormatInBankListOrder) {
  const auto formats = builtInBankFormats();
  const auto& shapes = testing::bankFormatShapes();
  ASSERT_EQ(formats.size(), 35u);
  ASSERT_EQ(shapes.size(), formats.size());
  for (std::size_t i = 0; i < formats.size(); ++i) EXPECT_EQ(formats[i].name, shapes[i].name);
}

class EveryBankFormat : public ::testing::TestWithParam<BankFormatShape> {};

// The month, and a check table without the "Bill 1" heading, of which no row qualifies: the
// header and trailer alone, or nothing.
TEST_P(EveryBankFormat, writesTheMonthInItsLayoutAndCountsItsRows) {
  const BankFormatShape& shape = GetParam();
  const BankFormat* format = findBankFormat(shape.name);
  ASSERT_NE(format, nullptr) << shape.name;
  for (bool withoutBill1 : {false, true}) {
    WriterFixture fixture({});
    fixture.checks = testing::reportTable(bankFileCases().tables.at("month"));
    if (withoutBill1) testing::dropBill1(fixture);
    fixture.inputs.bankId = "12345";
    fixture.inputs.accountId = "987654321";
    fixture.inputs.remoteId = "ACME CORP";
    fixture.inputs.batchId = "001";
    fixture.inputs.bankCode = "0001 - NC";
    const testing::WrittenFile file = testing::writeBankFile(format->writer, fixture);
    const SelectedRows selected = withoutBill1 ? SelectedRows{} : selectedRows(shape.selection);
    EXPECT_TRUE(file.result.written);
    EXPECT_EQ(file.result.count, testing::expectedCount(shape, selected));
    EXPECT_EQ(file.result.warnings, std::vector<std::string>{});
    EXPECT_TRUE(testing::linesHaveShape(file.lines, shape, selected));
    EXPECT_TRUE(testing::matchesGolden(
        file.bytes, goldenName(shape.name, withoutBill1 ? "month-without-bill1" : "month")));
  }
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, EveryBankFormat, ::testing::ValuesIn(testing::bankFormatShapes()),
                         [](const ::testing::TestParamInfo<BankFormatShape>& info) {
                           return testing::testNameOf(info.param.name);
                         });

class BankFile : public ::testing::TestWithParam<BankFileCase> {};

TEST_P(BankFile, isWrittenByteForByteWithItsCountAndWarnings) {
  const BankFileCase& c = GetParam();
  const BankFormat* format = findBankFormat(c.format);
  ASSERT_NE(format, nullptr) << c.format;
  const auto& tables = bankFileCases().tables;
  WriterFixture fixture({}, c.vendors.empty() ? Lines{} : tables.at(c.vendors));
  fixture.checks = testing::reportTable(tables.at(c.checks));
  fixture.inputs.bankId = c.ids.bankId;
  fixture.inputs.accountId = c.ids.accountId;
  fixture.inputs.remoteId = c.ids.remoteId;
  fixture.inputs.batchId = c.ids.batchId;
  fixture.inputs.bankCode = c.ids.bankCode;
  fixture.inputs.payeeVerification = c.ids.payeeVerification;
  if (c.ids.now != DateTime{}) fixture.inputs.now = c.ids.now;
  const testing::WrittenFile file = testing::writeBankFile(format->writer, fixture);
  EXPECT_TRUE(file.result.written) << file.result.failure;
  EXPECT_EQ(file.result.count, c.count);
  EXPECT_EQ(file.result.warnings, c.warnings);
  EXPECT_TRUE(testing::matchesGolden(file.bytes, goldenName(c.format, c.name)));
}

INSTANTIATE_TEST_SUITE_P(Cases, BankFile, ::testing::ValuesIn(bankFileCases().cases),
                         [](const ::testing::TestParamInfo<BankFileCase>& info) {
                           return testing::testNameOf(info.param.format) + "_" +
                                  testing::testNameOf(info.param.name);
                         });

}  // namespace
}  // namespace ppexport

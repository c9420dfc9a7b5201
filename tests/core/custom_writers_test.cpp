#include <gtest/gtest.h>

#include "create/format_dispatch.h"
#include "custom/custom_format_editor.h"
#include "custom/custom_format_file.h"
#include "custom/custom_writers.h"
#include "support/bank_format_shapes.h"
#include "support/case_file.h"
#include "support/written_file.h"
#include "support/reports.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::TempFolder;
using testing::WriterFixture;

struct Field {
  std::string name;
  std::string length;
};

// Stores a definition key by key, as a format saved earlier (or edited by hand) holds it.
void define(MemorySettingsStore& settings, const std::string& name, bool commaSeparated,
            const std::vector<Field>& fields, const std::string& datePattern = "MM/DD/YYYY",
            const std::string& voidValue = "Yes") {
  settings.saveSetting("Custom Format: " + name, name);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    settings.saveSetting(name + "CustomField" + std::to_string(i + 1), fields[i].name);
    settings.saveSetting(name + "FieldLength" + std::to_string(i + 1), fields[i].length);
  }
  settings.saveSetting(name + "dateFormat", datePattern);
  settings.saveSetting(name + "isVoidValue", voidValue);
  settings.saveSetting(name + "OptionCSV", commaSeparated ? "True" : "False");
}

// Saves the case's header, detail and trailer descriptions as the editor's Save does.
void defineLines(MemorySettingsStore& settings, const testing::CaseFile::Case& c,
                 bool commaSeparated) {
  CustomFormat format = loadCustomFormat(settings, "Bank");
  format.fixedLength = !commaSeparated;
  format.fields = {};
  format.lengths = {};
  CustomLine detail;
  for (auto [kind, key, line] : {std::tuple{CustomLineKind::Header, "header", &format.header},
                                 std::tuple{CustomLineKind::Detail, "detail", &detail},
                                 std::tuple{CustomLineKind::Trailer, "trailer", &format.trailer}}) {
    const auto& descriptions = c.all(key);
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
      ASSERT_FALSE(setFieldFromDescription(*line, kind, i, descriptions[i].at(0)))
          << descriptions[i].at(0);
    }
  }
  format.fields = detail.fields;
  format.lengths = detail.lengths;
  detail.fields = {};
  detail.lengths = {};
  format.detailExtras = detail;
  ASSERT_TRUE(saveCustomFormat(settings, format).saved());
}

const Check acme{.number = "1001", .date = "12/31/2025", .amount = "-1,234.50",
                 .name = "Acme, Inc."};

struct Written {
  WriterResult result;
  std::string file;
};

Written write(WriterFixture& fixture, const TempFolder& folder, bool commaSeparated) {
  fixture.inputs.fileName = folder.file("custom.txt");
  fixture.inputs.customFormatName = "Bank";
  WriterResult result =
      commaSeparated ? writeCustomCsv(fixture.inputs) : writeCustomFixed(fixture.inputs);
  return {result, fixture.inputs.fileName};
}

// The cases of tests/golden/custom-writer-cases.txt: fields in their order, cut and filled, the
// void marker and type, unknown names, the qualifying rule and the warnings.
class CustomWriter : public ::testing::TestWithParam<testing::CaseFile::Case> {};

TEST_P(CustomWriter, writesTheLinesOfItsCase) {
  const testing::CaseFile::Case& c = GetParam();
  const auto& tables = testing::caseFile("custom-writer-cases.txt").tables;
  WriterFixture fixture({});
  fixture.checks = testing::reportTable(tables.at(c.get("register")));
  std::vector<Field> fields;
  for (const auto& field : c.all("field")) fields.push_back({field.at(0), field.size() > 1 ? field[1] : ""});
  const bool commaSeparated = c.get("csv") == "yes";
  define(fixture.settings, "Bank", commaSeparated, fields, c.get("date", "MM/DD/YYYY"));
  if (!c.all("detail").empty()) defineLines(fixture.settings, c, commaSeparated);
  fixture.inputs.accountId = "12-345";
  TempFolder folder;
  Written written = write(fixture, folder, commaSeparated);
  EXPECT_TRUE(written.result.written);
  EXPECT_EQ(written.result.count, std::stoi(c.get("count")));
  std::vector<std::string> lines, warnings;
  for (const auto& line : c.all("line")) lines.push_back(line.at(0));
  for (const auto& warning : c.all("warning")) warnings.push_back(warning.at(0));
  EXPECT_TRUE(testing::linesAre(testing::readLines(written.file), lines));
  EXPECT_EQ(written.result.warnings, warnings);
}

INSTANTIATE_TEST_SUITE_P(Cases, CustomWriter,
                         ::testing::ValuesIn(testing::caseFile("custom-writer-cases.txt").cases),
                         [](const ::testing::TestParamInfo<testing::CaseFile::Case>& info) {
                           return testing::testNameOf(info.param.lines[0].at(1));
                         });

TEST(CustomFixed, aFieldLengthBeyondAnyLineIsRefusedAndTheEarlierFileKept) {
  WriterFixture fixture({acme});
  define(fixture.settings, "Bank", false, {{"Payee", "2000000000"}});
  TempFolder folder;
  testing::writeBytes(folder.file("custom.txt"), "earlier\r\n");
  Written written = write(fixture, folder, false);
  EXPECT_FALSE(written.result.written);
  EXPECT_EQ(written.result.failure,
            "Field 1 of the custom format is 2000000000 characters long; a field can be at most "
            "10000.");
  EXPECT_EQ(testing::readBytes(written.file), "earlier\r\n");
}

TEST(CustomFormats, dateSeparatorOfTheUsersRegion) {
  Regional german = Regional::unitedStates();
  german.dateOrder = DateOrder::DayMonthYear;
  german.dateSeparator = '.';
  setRegional(german);
  WriterFixture fixture(std::vector<Check>{{.number = "1", .date = "31.12.2025"}});
  define(fixture.settings, "Bank", true, {{"Date"}, {"Date"}}, "DD/MM/YYYY");
  TempFolder folder;
  Written written = write(fixture, folder, true);
  setRegional(Regional::unitedStates());
  EXPECT_TRUE(testing::linesAre(testing::readLines(written.file), {"31.12.2025,31.12.2025"}));
}

TEST(CustomFormats, theCsvFlagPicksTheWriter) {
  struct Case {
    std::optional<std::string> optionCsv;
    std::string bankListText;
    std::string line;
  } cases[] = {
      {std::nullopt, "Custom Format: Bank", "1001,ISSUE"},
      {"True", "Custom Format:  Bank ", "1001,ISSUE"},
      {"false", "Custom Format: Bank", "001001ISSUE"},
  };
  for (const Case& c : cases) {
    WriterFixture fixture({acme});
    define(fixture.settings, "Bank", true, {{"Check Number", "6"}, {"Type", "5"}});
    if (c.optionCsv) {
      fixture.settings.saveSetting("BankOptionCSV", *c.optionCsv);
    } else {
      fixture.settings.deleteSetting("BankOptionCSV");
    }
    TempFolder folder;
    fixture.inputs.fileName = folder.file("custom.txt");
    WriterResult result = runFormatWriter(c.bankListText, fixture.inputs);
    EXPECT_EQ(result.count, 1);
    EXPECT_TRUE(testing::linesAre(testing::readLines(fixture.inputs.fileName), {c.line}))
        << c.bankListText;
  }
}

}  // namespace
}  // namespace ppexport

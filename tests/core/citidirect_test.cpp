#include <gtest/gtest.h>

#include "formats/bank_formats.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::GoldenFile;

// An issued check, a void without its former amount (VOID), and one with it (CANCEL).
const std::vector<Check> register_ = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme"},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "Bolt", .description = "VOID"},
    {.number = "1236", .cleared = "Cleared", .date = "03/07/2024", .amount = "0.00",
     .name = "Nut", .description = "VOID: 75.25"},
};

// Run on 05/20/2024: the end of the month and today stand in the status-dependent fields.
const DateTime may20{Date{2024, 5, 20}, 9, 30};

TEST(CitiDirect, goldenFiles) {
  const WriterInputs ids{.accountId = "987654", .batchId = "B1", .now = may20};
  const GoldenFile cases[] = {
      {writeCitiDirectSdr, ids, 3,
       {"#SDR#IS#987654#S###20240305#1500#1234#B1##Acme###20240531#############",
        "#SDR#VO#987654#S###20240306#0#1235#B1#####20240531#####20240520########",
        "#SDR#ST#987654#S###20240307#75.25#1236#B1##################"}},
      {writeCitiDirectNa, ids, 3,
       {"#NAD#ISSUE#987654#SINGLE###20240305#1500#1234#B1##Acme###20240531#####N########",
        "#NAD#VOID#987654#SINGLE###20240306#0#1235###########Y########",
        "#NAD#STOP#987654#SINGLE###20240307#75.25#1236###########N########"}},
  };
  for (const GoldenFile& c : cases) EXPECT_TRUE(testing::writesGoldenFiles(register_, c));
}

TEST(CitiDirect, valuesCutToTheirFieldsAndTheDelimiterRemovedFromThePayee) {
  // A check whose every value is longer than its field, and a payee holding the delimiter.
  const std::vector<Check> longValues = {
      {.number = "123456789012345", .date = "03/08/2024", .amount = "-1234567890123.45",
       .name = "Smith # Jones Partners Smith # Jones Partners Smith # Jones Partners "
               "Smith # Jones"},
  };
  const WriterInputs ids{.accountId = "12345678901234", .batchId = "BATCH-PLAN-77", .now = may20};
  const std::string payee = "Smith  Jones Partners Smith  Jones Partners Smith  Jones Par";
  struct Case {
    FormatWriter writer;
    std::string line;
  } cases[] = {
      {writeCitiDirectSdr, "#SDR#IS#5678901234#S###20240308#123456789012#6789012345#CH-PLAN-77##" +
                               payee + "###20240531#############"},
      {writeCitiDirectNa, "#NAD#ISSUE#5678901234#SINGLE###20240308#123456789012#456789012345#"
                          "CH-PLAN-77##" + payee + "###20240531#####N########"},
  };
  for (const Case& c : cases) {
    auto file = testing::writeBankFile(c.writer, longValues, ids);
    EXPECT_EQ(file.lines, std::vector<std::string>{c.line});
    EXPECT_EQ(file.result.warnings,
              std::vector<std::string>{
                  "Warning: check 123456789012345: amount too long for its field"});
  }
}

}  // namespace
}  // namespace ppexport

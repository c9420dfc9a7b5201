#include <gtest/gtest.h>

#include "custom/custom_format.h"
#include "custom/custom_format_editor.h"
#include "settings/memory_store.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

CustomFormat withFields(const std::vector<std::pair<std::string, std::string>>& fields,
                        bool fixedLength = false) {
  CustomFormat format;
  format.name = "Payroll";
  format.voidValue = "Yes";
  format.dateFormat = "MM/DD/YYYY";
  format.fixedLength = fixedLength;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    format.fields[i] = fields[i].first;
    format.lengths[i] = fields[i].second;
  }
  return format;
}

TEST(CustomFormatEditor, aDateFieldsLengthFollowsThePattern) {
  CustomFormat format = withFields({{"Payee", "20"}, {"", ""}, {"Date", ""}, {"date", "4"}});
  validateField(format, 3);
  EXPECT_EQ(format.lengths[2], "10");
  format.dateFormat = "YYYYMMDD";
  validateField(format, 0);
  validateField(format, 9);
  EXPECT_EQ(format.lengths[2], "10");
  validateDateFormat(format);
  EXPECT_EQ(format.lengths, (std::array<std::string, 8>{"20", "", "8", "4", "", "", "", ""}));
}

TEST(CustomFormatEditor, saveRefusesWithoutAFieldOrALength) {
  struct Case {
    CustomFormat format;
    std::string_view message;
  } cases[] = {
      // Comma-separated without a field, and a fixed-length field without a length, are the window
      // model's and the command line's cases; here no field comes before any length, and a date
      // field's length is the pattern's.
      {withFields({}, true), noFieldMessage},
      {withFields({{"Date", ""}, {"Payee", "abc"}}, true), missingLengthMessage},
      // A Status Code names an issued and a voided check's code at least.
      {withFields({{"Payee", ""}, {"Status Code", ""}}), statusCodeMessage},
      {withFields({{"Status Code", ""}}), statusCodeMessage},
      {withFields({{"Status Code", ""}}), statusCodeMessage},
  };
  cases[3].format.detailExtras.texts[0] = "320";
  cases[4].format.detailExtras.texts[0] = "I/V/Z/W";
  for (Case& c : cases) {
    MemorySettingsStore store;
    SaveResult result = saveCustomFormat(store, c.format);
    EXPECT_EQ(result.outcome, SaveOutcome::Refused);
    EXPECT_EQ(result.message.text, c.message);
    EXPECT_EQ(result.message.icon, EditorMessage::Icon::Stop);
    EXPECT_TRUE(store.enumerate().empty());
  }
}

TEST(CustomFormatEditor, saveWritesTheTwentyOneKeysUnderTheTrimmedName) {
  MemorySettingsStore store;
  CustomFormat format = withFields({{"Date", "3"}, {"Payee", "20"}}, true);
  format.name = "  Payroll ";
  format.fields[7] = "Made Up";
  format.lengths[7] = "5";
  SaveResult result = saveCustomFormat(store, format);
  EXPECT_EQ(result.outcome, SaveOutcome::Saved);
  EXPECT_EQ(result.bankListText, "Custom Format: Payroll");
  EXPECT_EQ(format.lengths[0], "10");  // the date validator ran
  EXPECT_TRUE(testing::matchesGolden(testing::describedEntries(store.enumerate()),
                                     "settings/custom-format-save.txt"));
  EXPECT_EQ(customFormatKeys("Payroll").size(), 21u);
}

// A name is needed, and one that reads as a bank list entry of its own is refused: its keys would
// break the format list apart.
TEST(CustomFormatEditor, savedFormatsOnlyNeedTheirFieldsInCsvAndAName) {
  MemorySettingsStore store;
  CustomFormat onlyEighth = withFields({});
  onlyEighth.fields[7] = "Memo";
  EXPECT_TRUE(saveCustomFormat(store, onlyEighth).saved());
  for (const char* name : {" ", "", "Custom Format: Payroll", "custom format:x"}) {
    CustomFormat refused = withFields({{"Amount", ""}});
    refused.name = name;
    SaveResult result = saveCustomFormat(store, refused);
    EXPECT_EQ(result.outcome, SaveOutcome::Refused) << name;
    EXPECT_EQ(result.message.text, std::string(name).find(':') == std::string::npos
                                       ? noNameMessage
                                       : prefixedNameMessage);
  }
  EXPECT_EQ(customFormatNames(store), (std::vector<std::string>{"Payroll"}));
}

TEST(CustomFormatEditor, deleteTakesTheNameAsItStands) {
  MemorySettingsStore store;
  store.saveSetting("myAccount", "Checking");
  CustomFormat format = withFields({{"Payee", ""}});
  saveCustomFormat(store, format);
  EXPECT_FALSE(deleteCustomFormat(store, " Payroll "));
  EXPECT_EQ(store.enumerate().size(), 22u);
  EXPECT_FALSE(deleteCustomFormat(store, "Payroll"));
  EXPECT_EQ(store.enumerate(), (SettingsEntries{{"myAccount", "Checking"}}));
  EXPECT_FALSE(deleteCustomFormat(store, "Payroll"));
}

TEST(CustomFormatEditor, storeFailuresAreReported) {
  MemorySettingsStore store;
  store.failWith("disk full");
  CustomFormat format = withFields({{"Payee", ""}});
  SaveResult result = saveCustomFormat(store, format);
  EXPECT_EQ(result.outcome, SaveOutcome::StoreFailed);
  EXPECT_EQ(result.message.text, "Could not save the custom format.\r\n\r\ndisk full");
  EXPECT_EQ(result.bankListText, "");
  EXPECT_EQ(deleteCustomFormat(store, "Payroll")->text,
            "Could not delete the custom format.\r\n\r\ndisk full");
}

TEST(CustomFormatRecord, proposedNameAndListing) {
  MemorySettingsStore store;
  EXPECT_EQ(proposedFormatName(store), "Default");
  store.saveSetting("custom format: lower", "lower");  // not a marker: case as written
  store.saveSetting("Custom Format: B", "B");
  EXPECT_EQ(proposedFormatName(store), "Default 2");
  store.saveSetting("Custom Format: A", "Shown Name");
  EXPECT_EQ(proposedFormatName(store), "Default 3");
  EXPECT_EQ(customFormatNames(store), (std::vector<std::string>{"B", "Shown Name"}));
  EXPECT_TRUE(customFormatExists(store, "A"));
  EXPECT_FALSE(customFormatExists(store, "Shown Name"));
}

TEST(CustomFormatRecord, editorAndWriterDefaults) {
  MemorySettingsStore store;
  store.saveSetting("Custom Format: Default 2", "Default 2");  // one stored, none under its keys
  const CustomFormat editor = activateCustomFormatEditor(store, "");
  EXPECT_EQ(editor.name, "Default 2");
  EXPECT_EQ(editor.voidValue, "Yes");
  EXPECT_EQ(editor.dateFormat, "MM/DD/YYYY");
  EXPECT_FALSE(editor.fixedLength);
  EXPECT_EQ(editor.lengths[0], "");
  const CustomFormat writer = loadCustomFormat(store, "X", CustomFormatDefaults::Writer);
  EXPECT_EQ(writer.voidValue, "");
  EXPECT_EQ(writer.dateFormat, "MM/DD/YYYY");
  EXPECT_FALSE(writer.fixedLength);
  EXPECT_EQ(writer.lengths[7], "0");
}

TEST(CustomFormatRecord, theOutputChoice) {
  struct Case {
    std::optional<std::string> optionCsv, optionFixed;
    bool editorFixed, writerFixed;
  } cases[] = {
      {"True", "False", false, false}, {"False", "True", true, true},
      {"True", "True", true, false},   {"False", "False", true, true},
      {std::nullopt, "True", true, false}, {"true", std::nullopt, true, true},
  };
  for (const Case& c : cases) {
    MemorySettingsStore store;
    if (c.optionCsv) store.saveSetting("POptionCSV", *c.optionCsv);
    if (c.optionFixed) store.saveSetting("POptionFixed", *c.optionFixed);
    EXPECT_EQ(activateCustomFormatEditor(store, "P").fixedLength, c.editorFixed);
    EXPECT_EQ(loadCustomFormat(store, "P", CustomFormatDefaults::Writer).fixedLength,
              c.writerFixed);
  }
}

}  // namespace
}  // namespace ppexport

// The custom format editor model: its controls, the proposed name, loading, the validators when a
// box is left, Save and Delete with the main window's bank list, and activation reloading from the
// store.

#include <gtest/gtest.h>

#include "model_fixture.h"
#include "support/written_file.h"

using namespace ppexport;
using namespace ppexport::testing;
using enum window::CustomFormatControl;
using window::customField;
using window::fieldLength;
using window::lengthLabel;
using window::MessageBoxIcon;
using window::Rect;

namespace {
struct EditorFixture : ModelFixture {
  // Starts the main window and opens the editor with the edit button, on bank as chosen first.
  window::CustomFormatModel& openEditor(const std::string& bank = "") {
    if (!model) start();
    if (!bank.empty()) choose(window::ExportControl::bankList, bank);
    click(window::ExportControl::editFormat);
    window::CustomFormatModel* editor = model->editor();
    EXPECT_NE(editor, nullptr);
    return *editor;
  }
  window::CustomFormatModel& editor() { return *model->editor(); }
  const std::string& in(window::CustomFormatControl id) { return editor().control(id).text; }
  bool shown(window::CustomFormatControl id) { return editor().control(id).visible; }
  void enter(window::CustomFormatControl id, const std::string& text) {
    editor().textChanged(id, text);
  }
  // The user types into a box and leaves it for another control of the editor.
  void enterAndLeave(window::CustomFormatControl id, const std::string& text) {
    enter(id, text);
    editor().left(id);
  }
  void press(window::CustomFormatControl id) { editor().clicked(id); }
  bool editorOpen() const { return model->editor() != nullptr; }
};
}  // namespace

TEST(CustomFormatEditor, TheEditorHasEveryControlAndTheDefaultsOfANewFormat) {
  EditorFixture fixture;
  window::CustomFormatModel& editor = fixture.openEditor();
  EXPECT_EQ(editor.caption(), "Custom Format");
  EXPECT_EQ(editor.clientSize(), (window::Size{7950, 7365}));
  EXPECT_TRUE(matchesGolden(describedControls(editor.controls()), "window/custom-format-editor.txt"));
  for (int n = 1; n <= 8; ++n) {
    EXPECT_EQ(editor.control(customField(n)).entries[7], "Account Number");
    // Comma-separated: the lengths are hidden.
    EXPECT_FALSE(fixture.shown(fieldLength(n)));
    EXPECT_FALSE(fixture.shown(lengthLabel(n)));
  }
  EXPECT_EQ(editor.control(dateFormat).entries.size(), 15u);
  EXPECT_EQ(editor.control(dateFormat).entries[14], "YYYYMMDD");
  EXPECT_EQ(fixture.in(isVoidValue), "Yes");
  EXPECT_EQ(fixture.in(dateFormat), "MM/DD/YYYY");
  EXPECT_EQ(editor.control(dateFormat).selected, 1);
  EXPECT_EQ(editor.control(OptionCSV).checked, 1);
  EXPECT_EQ(editor.control(OptionFixed).checked, 0);
}

TEST(CustomFormatEditor, EditLoadsTheStoredFormat) {
  EditorFixture fixture;
  MemorySettingsStore& store = fixture.settings;
  store.saveSetting("Custom Format: Payroll", "Payroll");
  store.saveSetting("PayrollCustomField1", "Check Number");
  store.saveSetting("PayrollCustomField2", "Amount");
  store.saveSetting("PayrollCustomField3", "Stub text");  // not an offered field: shown as stored
  store.saveSetting("PayrollFieldLength1", "10");
  store.saveSetting("PayrollFieldLength2", "12");
  store.saveSetting("PayrollisVoidValue", "V");
  store.saveSetting("PayrolldateFormat", "YYYYMMDD");
  store.saveSetting("PayrollOptionCSV", "False");
  store.saveSetting("PayrollOptionFixed", "True");
  window::CustomFormatModel& editor = fixture.openEditor("Custom Format: Payroll");
  const std::pair<window::CustomFormatControl, const char*> texts[] = {
      {saveAsName, "Payroll"},          {customField(1), "Check Number"},
      {customField(2), "Amount"},       {customField(3), "Stub text"},
      {fieldLength(2), "12"},           {isVoidValue, "V"},
      {dateFormat, "YYYYMMDD"}};
  for (const auto& [id, text] : texts) EXPECT_EQ(fixture.in(id), text);
  EXPECT_EQ(editor.control(customField(1)).selected, 1);
  EXPECT_EQ(editor.control(customField(3)).selected, -1);
  EXPECT_EQ(editor.control(OptionFixed).checked, 1);
  EXPECT_TRUE(fixture.shown(fieldLength(1)));
  EXPECT_TRUE(fixture.shown(lengthLabel(8)));
  // Choosing comma-separated hides the lengths.
  fixture.press(OptionCSV);
  EXPECT_EQ(editor.control(OptionFixed).checked, 0);
  EXPECT_FALSE(fixture.shown(fieldLength(1)));
  EXPECT_FALSE(fixture.shown(lengthLabel(1)));
}

// The validators' rules are the core's; here, that leaving a box runs the right one.
TEST(CustomFormatEditor, ValidatorsRunWhenABoxIsLeft) {
  EditorFixture fixture;
  window::CustomFormatModel& editor = fixture.openEditor();
  editor.entryChosen(customField(3), 0);  // "Date"
  editor.left(customField(3));
  EXPECT_EQ(fixture.in(fieldLength(3)), "10");
  fixture.enter(dateFormat, "YYYYMMDD");
  EXPECT_EQ(fixture.in(fieldLength(3)), "10");  // not before the box is left
  editor.left(dateFormat);
  EXPECT_EQ(fixture.in(fieldLength(3)), "8");
  // Another field leaves its length alone.
  fixture.enter(fieldLength(4), "30");
  fixture.enterAndLeave(customField(4), "Payee");
  EXPECT_EQ(fixture.in(fieldLength(4)), "30");
  // A length box is corrected when left.
  fixture.press(OptionFixed);
  fixture.enterAndLeave(fieldLength(5), " -12 ");
  EXPECT_EQ(fixture.in(fieldLength(5)), "12");
}

TEST(CustomFormatEditor, SaveStoresTheFormatAndShowsItInTheBankList) {
  EditorFixture fixture;
  fixture.settings.saveSetting("Custom Format: Older", "Older");
  fixture.start();
  fixture.type(window::ExportControl::fileName, "/books/pay.txt");
  window::CustomFormatModel& editor = fixture.openEditor();
  fixture.press(OptionFixed);
  editor.entryChosen(customField(1), 1);  // "Check Number"
  fixture.enter(fieldLength(1), "10");
  fixture.enter(customField(2), "Date");  // its length follows the pattern on Save
  fixture.enter(saveAsName, "  Payroll  ");
  fixture.press(saveSettings);

  EXPECT_TRUE(fixture.messages.shown.empty());
  const std::pair<const char*, const char*> stored[] = {
      {"Custom Format: Payroll", "Payroll"}, {"PayrollCustomField1", "Check Number"},
      {"PayrollFieldLength2", "10"},         {"PayrollOptionCSV", "False"},
      {"PayrollOptionFixed", "True"},        {"PayrollisVoidValue", "Yes"}};
  for (const auto& [key, value] : stored) EXPECT_EQ(fixture.stored(key), value) << key;

  const window::Control& banks = fixture.control(window::ExportControl::bankList);
  EXPECT_EQ(banks.entries.size(), 37u);
  EXPECT_EQ(banks.entries[1], "Custom Format: Payroll");
  EXPECT_EQ(banks.text, "Custom Format: Payroll");
  EXPECT_EQ(banks.selected, 1);
  EXPECT_EQ(fixture.text(window::ExportControl::editFormat), "Edit");
  EXPECT_TRUE(fixture.visible(window::ExportControl::accountID));
  EXPECT_EQ(fixture.text(window::ExportControl::fileName), "/books/pay.txt");
  EXPECT_FALSE(fixture.editorOpen());
  EXPECT_EQ(fixture.observer.editorClosings, 1);

  // Edit it into a comma-separated format: the output file follows.
  fixture.openEditor();
  EXPECT_EQ(fixture.in(saveAsName), "Payroll");
  EXPECT_EQ(fixture.in(fieldLength(1)), "10");
  fixture.press(OptionCSV);
  fixture.press(saveSettings);
  EXPECT_EQ(fixture.stored("PayrollOptionCSV"), "True");
  EXPECT_EQ(fixture.text(window::ExportControl::fileName), "/books/pay.csv");
  EXPECT_EQ(banks.entries.size(), 37u);
}

TEST(CustomFormatEditor, SaveRefusesAnIncompleteFormat) {
  EditorFixture fixture;
  fixture.openEditor();
  fixture.press(saveSettings);
  ASSERT_EQ(fixture.messages.shown.size(), 1u);
  EXPECT_EQ(fixture.messages.shown[0],
            (window::MessageBoxRequest{MessageBoxIcon::Stop, messageTitle,
                                       "To save a custom format, specify at least one field."}));

  fixture.press(OptionFixed);
  fixture.enter(customField(1), "Payee");
  fixture.enter(fieldLength(1), "30");
  fixture.enter(customField(2), "Amount");
  fixture.press(saveSettings);
  ASSERT_EQ(fixture.messages.shown.size(), 2u);
  EXPECT_EQ(fixture.messages.shown[1].text,
            "To save a fixed length field custom format, specify the field length as a number for "
            "each field selected.");
  EXPECT_TRUE(fixture.settings.enumerate().empty());
  // The editor stays open with everything as entered.
  EXPECT_TRUE(fixture.editorOpen());
  EXPECT_EQ(fixture.in(customField(2)), "Amount");
}

TEST(CustomFormatEditor, DeleteRemovesTheFormat) {
  EditorFixture fixture;
  fixture.settings.saveSetting("Custom Format: Payroll", "Payroll");
  fixture.settings.saveSetting("PayrollCustomField1", "Payee");
  fixture.settings.saveSetting("Custom Format: Vendors", "Vendors");
  fixture.openEditor("Custom Format: Payroll");
  fixture.press(deleteFormat);
  EXPECT_TRUE(fixture.messages.shown.empty());
  EXPECT_EQ(fixture.stored("Custom Format: Payroll"), "<absent>");
  EXPECT_EQ(fixture.stored("PayrollCustomField1"), "<absent>");
  const window::Control& banks = fixture.control(window::ExportControl::bankList);
  EXPECT_EQ(banks.entries.size(), 36u);
  EXPECT_EQ(banks.entries[0], "Custom Format: Vendors");
  EXPECT_EQ(banks.text, "");
  EXPECT_EQ(fixture.text(window::ExportControl::editFormat), "Add");
  EXPECT_FALSE(fixture.editorOpen());

  // A name with spaces around it removes nothing, yet the editor closes.
  fixture.openEditor("Custom Format: Vendors");
  fixture.enter(saveAsName, " Vendors ");
  fixture.press(deleteFormat);
  EXPECT_EQ(fixture.stored("Custom Format: Vendors"), "Vendors");
  EXPECT_FALSE(fixture.editorOpen());
}

TEST(CustomFormatEditor, ActivationReloadsButReturningFromItsMessageDoesNot) {
  EditorFixture fixture;
  fixture.settings.saveSetting("Custom Format: Payroll", "Payroll");
  fixture.settings.saveSetting("PayrollCustomField1", "Payee");
  window::CustomFormatModel& editor = fixture.openEditor("Custom Format: Payroll");
  // The message box takes the activation while it is up.
  fixture.messages.whileShown = [&] {
    editor.deactivated();
    editor.activated();
  };
  fixture.enter(customField(1), "");
  fixture.press(saveSettings);  // refused: no field
  ASSERT_EQ(fixture.messages.shown.size(), 1u);
  // The editor comes back to the front when the message closes: the entries stay.
  editor.activated();
  EXPECT_EQ(fixture.in(customField(1)), "");
  // Going to the main window and back discards what was not saved.
  editor.deactivated();
  editor.activated();
  EXPECT_EQ(fixture.in(customField(1)), "Payee");
  // Its close box saves nothing.
  fixture.enter(customField(1), "Memo");
  editor.closeBox();
  EXPECT_FALSE(fixture.editorOpen());
  EXPECT_EQ(fixture.stored("PayrollCustomField1"), "Payee");
}

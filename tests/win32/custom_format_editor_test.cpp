// The custom format editor under Wine as a binding of its model: it opens beside the main window
// showing the model, its events reach the model (choices, typing, option buttons, leaving a box,
// Save), the bank list then offers the saved format, and Enter saves while Escape closes.

#include "win32/native_form.h"
#include "window_fixture.h"

namespace ppexport::testing {
namespace {

using enum window::CustomFormatControl;
using window::ExportControl;

TEST_F(WindowTest, EditorSavesACustomFormatThatTheBankListOffers) {
  const std::vector<std::string> none;
  chooseEntry(control(ExportControl::myAccount), "Checking");
  click(control(ExportControl::editFormat));
  ASSERT_TRUE(editor().isOpen());
  EXPECT_EQ(text(editor().handle()), "Custom Format");
  EXPECT_EQ(differencesFromModel(window().model().editor()->controls(), editorControls(),
                                 editor().handle()),
            none);
  chooseEntry(editorControl(CustomField1), "Check Number");
  chooseEntry(editorControl(CustomField2), "Date");
  typeInto(editorControl(saveAsName), "Weekly Checks");
  click(editorControl(saveSettings));
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_FALSE(editor().isOpen());
  EXPECT_EQ(text(control(ExportControl::bankList)), "Custom Format: Weekly Checks");
  EXPECT_EQ(settings_.readSetting("Weekly ChecksCustomField2"), "Date");
  EXPECT_EQ(differencesFromModel(window().model().controls(), mainControls(), main()), none);

  // Delete asks first: No keeps the format and the editor; Yes deletes it.
  click(control(ExportControl::editFormat));
  ASSERT_TRUE(editor().isOpen());
  click(editorControl(deleteFormat));
  ASSERT_EQ(messages_.shown.size(), 1U);
  EXPECT_EQ(messages_.shown[0].text, "Delete the custom format 'Weekly Checks'?");
  EXPECT_EQ(messages_.shown[0].buttons, window::MessageBoxButtons::YesNo);
  EXPECT_TRUE(editor().isOpen());
  EXPECT_TRUE(settings_.readSetting("Custom Format: Weekly Checks").has_value());
  messages_.answers.push_back(window::MessageBoxAnswer::Yes);
  click(editorControl(deleteFormat));
  EXPECT_FALSE(editor().isOpen());
  EXPECT_FALSE(settings_.readSetting("Custom Format: Weekly Checks").has_value());
}

TEST_F(WindowTest, EditorOptionsFocusAndKeysReachTheModel) {
  click(control(ExportControl::editFormat));
  ASSERT_TRUE(editor().isOpen());
  click(editorControl(OptionFixed));
  // Leaving a Date field for another box of the editor sets its length from the date format.
  chooseEntry(editorControl(dateFormat), "YYYYMMDD");
  chooseEntry(editorControl(CustomField2), "Date");
  SetFocus(editorControl(CustomField2));
  SetFocus(editorControl(FieldLength2));
  EXPECT_EQ(text(editorControl(FieldLength2)), "8");
  EXPECT_EQ(differencesFromModel(window().model().editor()->controls(), editorControls(),
                                 editor().handle()),
            std::vector<std::string>{});
  EXPECT_EQ(SendMessageW(editor().handle(), DM_GETDEFID, 0, 0),
            MAKELRESULT(win32::NativeForm::firstControlId + window::controlIndex(saveSettings),
                        DC_HASDEFID));
  pressEscape(editorControl(saveAsName));
  EXPECT_FALSE(editor().isOpen());
  EXPECT_NE(main(), nullptr);
  EXPECT_FALSE(settings_.readSetting("Custom Format: Default").has_value());
}

}  // namespace
}  // namespace ppexport::testing

// The custom format editor under Wine: it opens beside the main window, saves a format that the
// bank list then offers, and refuses what it cannot save in a message box.

#include "win32/native_form.h"
#include "window_fixture.h"

namespace ppexport::testing {
namespace {

using enum window::CustomFormatControl;
using window::ExportControl;

TEST_F(WindowTest, EditorSavesACustomFormatThatTheBankListOffers) {
  chooseEntry(control(ExportControl::myAccount), "Checking");
  chooseEntry(control(ExportControl::bankList), "Generic Bank Format");
  ASSERT_EQ(text(control(ExportControl::editFormat)), "Add");
  click(control(ExportControl::editFormat));
  ASSERT_TRUE(editor().isOpen());
  EXPECT_EQ(text(editor().handle()), "Custom Format");
  EXPECT_EQ(text(editorControl(saveAsName)), "Default");
  EXPECT_EQ(differencesFromModel(window().model().editor()->controls(), editorControls(),
                                 editor().handle()),
            std::vector<std::string>{});

  chooseEntry(editorControl(CustomField1), "Check Number");
  chooseEntry(editorControl(CustomField2), "Date");
  chooseEntry(editorControl(CustomField3), "Amount");
  typeInto(editorControl(saveAsName), "Weekly Checks");
  click(editorControl(saveSettings));

  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_FALSE(editor().isOpen());
  const std::vector<std::string> banks = entries(control(ExportControl::bankList));
  ASSERT_EQ(banks.size(), 36U);
  EXPECT_EQ(banks.front(), "Custom Format: Weekly Checks");
  EXPECT_EQ(text(control(ExportControl::bankList)), "Custom Format: Weekly Checks");
  EXPECT_EQ(text(control(ExportControl::editFormat)), "Edit");
  EXPECT_EQ(settings_.readSetting("Weekly ChecksCustomField2"), "Date");
  EXPECT_EQ(differencesFromModel(window().model().controls(), mainControls(), main()),
            std::vector<std::string>{});
}

TEST_F(WindowTest, EditorRefusesAFixedLengthFieldWithoutLength) {
  click(control(ExportControl::editFormat));
  ASSERT_TRUE(editor().isOpen());
  click(editorControl(OptionFixed));
  EXPECT_TRUE(visible(editorControl(FieldLength1)));
  EXPECT_EQ(SendMessageW(editorControl(OptionFixed), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(editorControl(OptionCSV), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  chooseEntry(editorControl(CustomField1), "Payee");
  typeInto(editorControl(saveAsName), "Fixed");
  click(editorControl(saveSettings));

  ASSERT_EQ(messages_.shown.size(), 1U);
  EXPECT_EQ(messages_.shown[0].icon, window::MessageBoxIcon::Stop);
  EXPECT_EQ(messages_.shown[0].text,
            "To save a fixed length field custom format, specify the field length as a number "
            "for each field selected.");
  EXPECT_TRUE(editor().isOpen());
  EXPECT_EQ(text(editorControl(CustomField1)), "Payee");
  EXPECT_FALSE(settings_.readSetting("Custom Format: Fixed").has_value());

  // Leaving a Date field for another box of the editor sets its length from the date format.
  chooseEntry(editorControl(dateFormat), "YYYYMMDD");
  chooseEntry(editorControl(CustomField2), "Date");
  SetFocus(editorControl(CustomField2));
  SetFocus(editorControl(FieldLength2));
  EXPECT_EQ(text(editorControl(FieldLength2)), "8");

  // Enter saves; Escape is the close box.
  EXPECT_EQ(SendMessageW(editor().handle(), DM_GETDEFID, 0, 0),
            MAKELRESULT(win32::NativeForm::firstControlId + window::controlIndex(saveSettings),
                        DC_HASDEFID));
  MSG escape{editorControl(saveAsName), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  EXPECT_TRUE(window().dialogMessage(escape));
  MSG pending;
  while (PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE) != FALSE) DispatchMessageW(&pending);
  EXPECT_FALSE(editor().isOpen());
  EXPECT_NE(main(), nullptr);
  EXPECT_FALSE(settings_.readSetting("Custom Format: Fixed").has_value());
}

}  // namespace
}  // namespace ppexport::testing

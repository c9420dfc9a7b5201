// The custom format editor model: activation reloading from the store, but not while its own
// message is up. The rest of its behaviour runs from tests/window/scenarios.

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

// The Bank connection dialog under Wine: opened by its button over the disabled main window, its
// boxes reaching the model, Cancel closing it; Send to bank waits for a Create.

#include "win32/bank_connection_window.h"
#include "window/bank_connection_model.h"
#include "window_fixture.h"

namespace ppexport::testing {
namespace {

using enum window::ExportControl;
using window::BankConnectionControl;

TEST_F(WindowTest, TheBankConnectionDialogTakesTheServerAndCloses) {
  chooseEntry(control(myAccount), "Checking");
  EXPECT_TRUE(visible(control(sendToBank)));
  EXPECT_FALSE(IsWindowEnabled(control(sendToBank)));
  HWND shown = nullptr;
  window().setBankConnectionDialogHook([&](win32::BankConnectionWindow& dialog) {
    shown = dialog.handle();
    auto drive = [&] {
      EXPECT_EQ(text(dialog.handle()), "Bank connection - Checking");
      EXPECT_FALSE(IsWindowEnabled(main()));
      EXPECT_FALSE(IsWindowEnabled(dialog.control(BankConnectionControl::save)));
      typeInto(dialog.control(BankConnectionControl::address), "sftp://acme@sftp.bank.example");
      EXPECT_EQ(window().model().bankConnectionDialog()->control(BankConnectionControl::address).text,
                "sftp://acme@sftp.bank.example");
      click(dialog.control(BankConnectionControl::cancel));
      EXPECT_FALSE(IsWindow(shown));
    };
    drive();
    // A failed expectation must not leave the dialog waiting for a user.
    if (dialog.handle() != nullptr) PostMessageW(dialog.handle(), WM_CLOSE, 0, 0);
  });
  click(control(bankConnection));
  EXPECT_NE(shown, nullptr);
  EXPECT_EQ(window().model().bankConnectionDialog(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(main()));
}

}  // namespace
}  // namespace ppexport::testing

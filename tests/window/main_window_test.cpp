// The main window model: its controls as designed, the status line, the caption and Help. The rest
// of its behaviour runs from tests/window/scenarios.

#include <gtest/gtest.h>

#include "support/reports.h"
#include "support/written_file.h"
#include "model_fixture.h"

using namespace ppexport;
using namespace ppexport::testing;
using enum window::ExportControl;
using window::MessageBoxIcon;

TEST(MainWindowModel, ControlsStandWhereTheyAreDesignedWithTheirCaptions) {
  ModelFixture fixture;
  window::WindowServices services = fixture.services();
  const window::ExportModel model(services);
  EXPECT_EQ(model.caption(), "Reruzur UderuridEve rozi Dozedud");
  EXPECT_EQ(model.clientSize(), (window::Size{7425, 7755}));
  EXPECT_TRUE(matchesGolden(describedControls(model.controls()), "window/main-window.txt"));
  // Every caption names its box.
  EXPECT_EQ(model.control(Label4).labelFor, window::controlIndex(fileName));

  // The notices of the run show in a status line under the form.
  services.notices = {"The sample company is in use.", "Settings are not kept: no folder."};
  const window::ExportModel noticed(services);
  EXPECT_TRUE(noticed.control(statusLine).visible);
  EXPECT_EQ(noticed.control(statusLine).text,
            "The sample company is in use. Settings are not kept: no folder.");
  EXPECT_EQ(noticed.clientSize(), (window::Size{7425, 7755 + 540}));
}

TEST(MainWindowModel, CaptionCarriesTheVersion) {
  const std::pair<const char*, const char*> cases[] = {
      {"1.0.0", " - 1.00"}, {"1.4.35", " - 1.35"}, {"2.1.7", " - 2.07"}, {"3", " - 3.00"}};
  for (const auto& [version, caption] : cases) {
    EXPECT_EQ(window::windowCaption(version),
              "Reruzur UderuridEve rozi Dozedud" + std::string(caption));
  }
}

// Help shows the instructions beside the program; the button is disabled and the pointer busy
// meanwhile, also while a message explains why nothing opened.
TEST(MainWindowModel, HelpOpensTheInstructionsOrSaysWhy) {
  ModelFixture fixture;
  fixture.start();
  bool disabledAndBusy = true;
  auto watch = [&] { disabledAndBusy &= !fixture.control(openDoc).enabled && fixture.busy.depth; };
  fixture.documents.whileStarting = watch;
  fixture.messages.whileShown = watch;
  const std::string folder = fixture.folder.path().string();
  const std::string document = fixture.folder.file("Instructions.doc");
  struct Case {
    bool documentThere;
    bool viewerStarts;
    std::optional<window::MessageBoxRequest> message;
  } cases[] = {
      {false, true,
       window::MessageBoxRequest{MessageBoxIcon::Stop, messageTitle,
                                 "Did not find the documentation file.\n\nPlease open the "
                                 "document file ''Instructions.doc'' manually."}},
      {true, true, std::nullopt},
      {true, false,
       window::MessageBoxRequest{MessageBoxIcon::None, messageTitle,
                                 "Unable to launch MS Word. Please open the documentation file "
                                 "manually from " + folder + "."}},
  };
  for (const Case& c : cases) {
    if (c.documentThere) writeBytes(document, "{\\rtf1 }");
    fixture.documents.canStart = c.viewerStarts;
    fixture.documents.shown.clear();
    fixture.messages.shown.clear();
    fixture.click(openDoc);
    EXPECT_EQ(fixture.messages.shown,
              c.message ? std::vector{*c.message} : std::vector<window::MessageBoxRequest>{});
    EXPECT_EQ(fixture.documents.shown,
              c.message ? std::vector<std::string>{} : std::vector<std::string>{document});
    EXPECT_TRUE(disabledAndBusy);
    EXPECT_TRUE(fixture.control(openDoc).enabled);
    EXPECT_EQ(fixture.busy.depth, 0);
  }
}

// Create disables its button and shows the busy pointer, and has the view repaint, before
// QuickBooks is asked for the checks of the account's range; its message comes with the pointer
// back and the button still disabled. What it writes and says is in scenarios/create.txt.
TEST(MainWindowModel, CreateShowsItIsBusyBeforeAskingQuickBooks) {
  ModelFixture fixture;
  fixture.quickBooks.reports["qbTransactionListGeneral"] =
      reportText({{"Trans ID", "Document Number", "Cleared", "Date", "Name", "Amount"}});
  fixture.settings.saveSetting("myAccount", "Checking");
  fixture.settings.saveSetting("CheckingbankList", "Regions Bank");
  fixture.settings.saveSetting("CheckingfileName", fixture.folder.file("march.txt"));
  fixture.start();
  int refreshed = 0;
  fixture.observer.whileRefreshing = [&] {
    refreshed += !fixture.control(myCreate).enabled && fixture.busy.depth == 1 &&
                 fixture.quickBooks.requests.size() == 1;
  };
  bool disabledNotBusyWhileShown = false;
  fixture.messages.whileShown = [&] {
    disabledNotBusyWhileShown = !fixture.control(myCreate).enabled && fixture.busy.depth == 0;
  };
  fixture.click(myCreate);
  EXPECT_EQ(refreshed, 1);
  EXPECT_TRUE(disabledNotBusyWhileShown);
  EXPECT_TRUE(fixture.control(myCreate).enabled);
  EXPECT_EQ(fixture.messages.shown.size(), 1u);
  // The account's settings were saved before QuickBooks was asked.
  EXPECT_EQ(fixture.stored("CheckingfromDate"), "12/15/2025");
  const ExportRequest& checks = fixture.quickBooks.requests.at(1);
  EXPECT_EQ(checks.reportName, "qbTransactionListGeneral");
  EXPECT_EQ(checks.from, (Date{2025, 12, 15}));
  EXPECT_EQ(checks.to, (Date{2026, 3, 15}));
  EXPECT_EQ(checks.options[12], "Checking");
}

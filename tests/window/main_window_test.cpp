// The main window model: its controls as designed, start-up, the accounts and their settings, the
// date range, Browse, Save and Close, Help, the edit button and the status line.

#include <gtest/gtest.h>

#include "settings/account_settings.h"
#include "support/reports.h"
#include "support/written_file.h"
#include "model_fixture.h"

using namespace ppexport;
using namespace ppexport::testing;
using enum window::ExportControl;
using window::MessageBoxIcon;
using window::Rect;


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

// The first start: the active bank accounts listed, the design's and the default values shown,
// the output file waiting for editing, nothing stored by looking.
TEST(MainWindowModel, StartUpFillsTheAccountListAndShowsTheDefaults) {
  ModelFixture fixture;
  window::ExportModel& model = fixture.start();
  EXPECT_EQ(model.caption(), "Reruzur UderuridEve rozi Dozedud - 1.00");
  EXPECT_EQ(fixture.control(myAccount).entries, (std::vector<std::string>{"Checking", "Savings"}));
  EXPECT_EQ(fixture.text(Label5), "Fill out the fields below to create a ZurududoZer file.");
  EXPECT_TRUE(fixture.messages.shown.empty());
  EXPECT_EQ(model.fileDialogSettings(),
            (window::FileDialogSettings{"Enter a file name", "TXT Files (*.txt)", "", ""}));
  const std::pair<window::ExportControl, std::string> texts[] = {
      {myAccount, "<choose an account>"}, {bankList, "<choose an bank>"},
      {autoDateRangeDays, "90"},          {fileName, defaultOutputFile()},
      {fromDate, "12/15/2025"},           {toDate, "3/15/2026"},
      {bankCode, "<pick a bank code>"},   {editFormat, "Add"}};
  for (const auto& [id, text] : texts) EXPECT_EQ(fixture.text(id), text);
  EXPECT_EQ(fixture.control(myAccount).selected, -1);
  EXPECT_EQ(fixture.control(bankList).entries.size(), 35u);
  EXPECT_EQ(fixture.control(autoDateRange).checked, 1);
  EXPECT_EQ(fixture.control(createReviewFile).checked, 0);
  EXPECT_EQ(fixture.observer.focused,
            (std::vector<std::pair<window::ExportControl, bool>>{{fileName, true}}));
  EXPECT_TRUE(fixture.settings.enumerate().empty());
}

TEST(MainWindowModel, AnAccountListErrorIsShownAndTheRestOfTheStartUpRuns) {
  ModelFixture fixture;
  fixture.quickBooks.failure =
      "An error occurred while attempting to find a running copy of QuickBooks.\r\n"
      "If Quickbooks is not running, please start QuickBooks.\r\n\r\nError: 429 : gone\r\n";
  fixture.start();
  EXPECT_TRUE(fixture.control(myAccount).entries.empty());
  ASSERT_EQ(fixture.messages.shown.size(), 1u);
  EXPECT_EQ(fixture.messages.shown[0],
            (window::MessageBoxRequest{
                MessageBoxIcon::Critical, messageTitle,
                "An error occoured when trying to get the account list from QuickBooks:\n\nAn "
                "error occurred while attempting to find a running copy of QuickBooks.\nIf "
                "Quickbooks is not running, please start QuickBooks.\n\nError: 429 : gone\n"}));
  EXPECT_EQ(fixture.control(bankList).entries.size(), 35u);
}

// Choosing or typing an account stores it as the last account and loads its values over the
// controls; the edits made for the previous account are not saved.
TEST(MainWindowModel, ChangingTheAccountLoadsThatAccountsValues) {
  ModelFixture fixture;
  for (const auto& [key, value] :
       {std::pair{"bankList", "Wells Fargo ARP - Standard"}, {"remoteID", "R1"}, {"bankID", "B2"},
        {"batchID", "77"}, {"accountID", "123456"}, {"fileName", "/books/savings.txt"},
        {"autoDateRangeDays", "30"}, {"autoDateRange", "1"}, {"createReviewFile", "1"}, {"newOnly", "1"}}) {
    fixture.settings.saveSetting(std::string("Savings") + key, value);
  }
  fixture.settings.saveSetting("SavbankList", "HSBC");
  fixture.start();
  fixture.choose(myAccount, "Savings");
  EXPECT_EQ(fixture.stored("myAccount"), "Savings");
  EXPECT_EQ(fixture.control(myAccount).selected, 1);
  const std::pair<window::ExportControl, const char*> texts[] = {
      {bankList, "Wells Fargo ARP - Standard"}, {remoteID, "R1"}, {bankID, "B2"},
      {batchID, "77"}, {accountID, "123456"}, {fileName, "/books/savings.txt"},
      {fromDate, "2/13/2026"}};
  for (const auto& [id, text] : texts) EXPECT_EQ(fixture.text(id), text);
  EXPECT_EQ(fixture.control(createReviewFile).checked, 1);
  EXPECT_EQ(fixture.control(newOnly).checked, 1);
  EXPECT_TRUE(fixture.visible(batchID));
  EXPECT_EQ(fixture.observer.focused.back(), std::pair(myAccount, false));

  fixture.type(remoteID, "edited");
  fixture.choose(myAccount, "Checking");
  EXPECT_EQ(fixture.text(bankList), "<choose an bank>");
  EXPECT_EQ(fixture.text(remoteID), "");
  EXPECT_EQ(fixture.text(fileName), defaultOutputFile());
  EXPECT_EQ(fixture.stored("SavingsremoteID"), "R1");

  // Typing loads the account of each prefix typed, and stores it.
  fixture.type(myAccount, "Sav");
  EXPECT_EQ(fixture.stored("myAccount"), "Sav");
  EXPECT_EQ(fixture.text(bankList), "HSBC");
  fixture.type(myAccount, "Savings");
  EXPECT_EQ(fixture.text(bankList), "Wells Fargo ARP - Standard");

  // A last account that is no longer listed comes back as text, with its settings.
  fixture.settings.saveSetting("myAccount", "Closed Account");
  fixture.settings.saveSetting("Closed AccountbankList", "Regions Bank");
  fixture.start();
  EXPECT_EQ(fixture.text(myAccount), "Closed Account");
  EXPECT_EQ(fixture.control(myAccount).selected, -1);
  EXPECT_EQ(fixture.text(bankList), "Regions Bank");
}

// A check box keeps its state when the stored value is one it cannot show (VB's True is -1).
TEST(MainWindowModel, CheckBoxesRefuseAStoredTrue) {
  ModelFixture fixture;
  fixture.settings.saveSetting("myAccount", "Checking");
  fixture.settings.saveSetting("CheckingautoDateRange", "True");
  fixture.settings.saveSetting("CheckingcreateReviewFile", "True");
  fixture.settings.saveSetting("SavingscreateReviewFile", "1");
  fixture.settings.saveSetting("SavingsautoDateRange", "0");
  fixture.settings.saveSetting("SavingsfromDate", "1/1/2026");
  fixture.start();
  EXPECT_EQ(fixture.control(autoDateRange).checked, 0);
  EXPECT_EQ(fixture.control(createReviewFile).checked, 0);
  fixture.choose(myAccount, "Savings");
  EXPECT_EQ(fixture.control(createReviewFile).checked, 1);
  // With the automatic range off, the saved dates come back, each defaulting to today.
  EXPECT_EQ(fixture.text(fromDate), "1/1/2026");
  EXPECT_EQ(fixture.text(toDate), "3/15/2026");
  fixture.choose(myAccount, "Checking");
  EXPECT_EQ(fixture.control(createReviewFile).checked, 1);
}

TEST(MainWindowModel, AutomaticDateRangeFollowsTheDaysBoxWhileTicked) {
  ModelFixture fixture;
  fixture.start();
  const std::pair<const char*, const char*> cases[] = {{"30", "2/13/2026"}, {"abc", "12/15/2025"}};
  for (const auto& [days, from] : cases) {
    fixture.type(autoDateRangeDays, days);
    EXPECT_EQ(fixture.text(fromDate), from) << days;
    EXPECT_EQ(fixture.text(toDate), "3/15/2026");
    EXPECT_EQ(fixture.text(autoDateRangeDays), days);
  }
  // Unticked, the dates stay as they are; ticking computes them again.
  fixture.click(autoDateRange);
  EXPECT_EQ(fixture.control(autoDateRange).checked, 0);
  fixture.type(autoDateRangeDays, "10");
  fixture.type(fromDate, "1/2/2026");
  EXPECT_EQ(fixture.text(fromDate), "1/2/2026");
  fixture.click(autoDateRange);
  EXPECT_EQ(fixture.text(fromDate), "3/5/2026");
}

TEST(MainWindowModel, BrowseStartsOnTheSavedFileKeepsTextFilesAndAddsTheExtension) {
  ModelFixture fixture;
  // The dialog starts on the saved output file only while that file exists.
  const std::string existing = fixture.folder.file("last.txt");
  const std::string gone = fixture.folder.file("gone.txt");
  writeBytes(existing, "x");
  fixture.settings.saveSetting("myAccount", "Checking");
  fixture.settings.saveSetting("CheckingfileName", existing);
  fixture.settings.saveSetting("SavingsfileName", gone);
  fixture.start();
  fixture.choose(myAccount, "Savings");
  EXPECT_EQ(fixture.text(fileName), gone);
  EXPECT_EQ(fixture.model->fileDialogSettings().initialFileName, existing);

  const std::pair<const char*, const char*> cases[] = {
      {"/books/march.Txt", "/books/march.Txt"},
      {"/books/MARCH.TXT", "/books/MARCH.TXT"},
      {"/books/march.csv", "/books/march.csv.txt"},
      {" /books/march ", "/books/march.txt"},
      {"/books/Zahlungen März", "/books/Zahlungen März.txt"},
  };
  for (const auto& [chosen, shown] : cases) {
    fixture.files.setNextFileName(chosen);
    fixture.click(Select);
    EXPECT_EQ(fixture.text(fileName), shown);
  }
  // It opens in the folder of the output file, when that folder exists.
  EXPECT_EQ(fixture.files.asked[0].startFolder, fixture.folder.path().string());
  EXPECT_EQ(fixture.files.asked[1].startFolder, "");
  EXPECT_EQ(fixture.files.asked[1].title, "Enter a file name");

  // Cancelled, the file stays; a dialog that fails says why.
  fixture.files.setNextCancel();
  fixture.click(Select);
  fixture.files.setNextFailure(32755, "The dialog could not be shown");
  fixture.click(Select);
  EXPECT_EQ(fixture.text(fileName), "/books/Zahlungen März.txt");
  EXPECT_EQ(fixture.messages.shown,
            (std::vector{window::MessageBoxRequest{
                MessageBoxIcon::Critical, messageTitle,
                "Error 32755 choosing file.\nThe dialog could not be shown"}}));
}

TEST(MainWindowModel, SaveAndCloseSaveTheCloseBoxDoesNot) {
  ModelFixture fixture;
  fixture.start();
  fixture.choose(myAccount, "Checking");
  fixture.choose(bankList, "Bank of America");
  fixture.type(remoteID, "HDR");
  fixture.type(accountID, "4711");
  fixture.model->closeBox();
  EXPECT_TRUE(fixture.model->closed());
  EXPECT_EQ(fixture.stored("CheckingbankList"), "<absent>");

  // Every account key is stored in the window's order, after the last account.
  fixture.click(saveSettings);
  // The default output file lies in the test's own folder.
  std::string saved = describedEntries(fixture.settings.enumerate());
  saved.replace(saved.find(defaultOutputFile()), defaultOutputFile().size(), "<default>");
  EXPECT_TRUE(matchesGolden(saved, "settings/main-window-save.txt"));

  fixture.type(accountID, "4712");
  fixture.click(Command1);
  EXPECT_EQ(fixture.stored("CheckingaccountID"), "4712");
  EXPECT_EQ(fixture.observer.mainWindowClosings, 1);
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

// What the editor loads is the editor's own test; here, the name the edit button hands it.
TEST(MainWindowModel, EditButtonOpensTheEditorBesideTheMainWindow) {
  ModelFixture fixture;
  fixture.settings.saveSetting("Custom Format: Payroll", "Payroll");
  window::ExportModel& model = fixture.start();
  EXPECT_EQ(model.editor(), nullptr);
  fixture.click(editFormat);  // "Add"
  ASSERT_NE(model.editor(), nullptr);
  EXPECT_EQ(model.editor()->control(window::CustomFormatControl::saveAsName).text, "Default 2");
  EXPECT_EQ(fixture.observer.editorOpenings, 1);

  fixture.choose(bankList, "Custom Format: Payroll");
  fixture.click(editFormat);  // "Edit", the editor already open
  EXPECT_EQ(model.editor()->control(window::CustomFormatControl::saveAsName).text, "Payroll");
  EXPECT_EQ(fixture.observer.editorOpenings, 2);
  model.editor()->closeBox();
  EXPECT_EQ(model.editor(), nullptr);
  EXPECT_EQ(fixture.observer.editorClosings, 1);
  EXPECT_FALSE(model.closed());
}

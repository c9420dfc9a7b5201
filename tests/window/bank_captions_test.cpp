// The inputs each bank format asks for: which boxes show, under which captions, with which stars
// and note, where a few of them move, the bank-code lists, and the custom formats' extension.

#include <gtest/gtest.h>

#include "formats/bank_formats.h"
#include "model_fixture.h"
#include "support/written_file.h"

using namespace ppexport;
using namespace ppexport::testing;
using enum window::ExportControl;
using window::Rect;

namespace {
struct Input {
  window::ExportControl caption;
  window::ExportControl box;
  std::optional<window::ExportControl> star;
};

// An input as the window shows it: "" when hidden, else its caption with " *" when its star shows.
std::string shown(const ModelFixture& fixture, const Input& input) {
  if (!fixture.visible(input.box)) return "";
  const bool starred = input.star && fixture.visible(*input.star);
  return (fixture.visible(input.caption) ? fixture.text(input.caption) : "<no caption>") +
         (starred ? " *" : "");
}

const Input remoteInput{remoteIDLabel, remoteID, remoteIDLabel2};
const Input bankInput{bankIDLabel, bankID, bankIDLabel2};
const Input batchInput{batchIDLabel, batchID, batchIDLabel2};
const Input accountInput{accountIDLabel, accountID, accountIDLabel2};
const Input bankCodeInput{bankCodeLabel, bankCode, std::nullopt};

// Every input and the note, "|" between them, then the edit button's caption.
std::string inputs(const ModelFixture& fixture) {
  std::string all;
  for (const Input& input : {remoteInput, bankInput, batchInput, accountInput, bankCodeInput}) {
    all += shown(fixture, input) + "|";
  }
  all += fixture.visible(providedByLabel) ? fixture.text(providedByLabel) : "";
  return all + "|" + fixture.text(editFormat);
}
}  // namespace

// Each line: a format, then the captions of remote, bank, batch and account ID and of the bank
// code, "" where the input is hidden, " *" where starred; then the note and the edit button.
TEST(BankCaptions, EveryBuiltInFormatShowsItsInputs) {
  ModelFixture fixture;
  fixture.start();
  std::string lines;
  for (const BankFormat& format : builtInBankFormats()) {
    // From a format that shows everything, so that every input has to be set.
    fixture.choose(bankList, "TD Bank Canada CFP - 80 Byte");
    fixture.choose(bankList, std::string(format.name));
    lines += std::string(format.name) + ": " + inputs(fixture) + "\n";
  }
  EXPECT_TRUE(matchesGolden(lines, "window/bank-inputs.txt"));
}

// Some formats move or widen inputs; each format's layout stands whatever format came before.
TEST(BankCaptions, LayoutFollowsTheFormatAlone) {
  ModelFixture fixture;
  fixture.start();
  auto place = [&](window::ExportControl id) { return fixture.control(id).place; };
  fixture.choose(bankList, "Bank of America - DRS Platform");
  fixture.choose(bankList, "Wells Fargo ARP - Standard");
  EXPECT_EQ(fixture.text(batchIDLabel), "Batch ID");
  const Rect narrowRemote{1185, 3900, 1700, 320};
  const Rect wideRemote{1185, 3900, 5365, 320};
  EXPECT_EQ(place(remoteID), narrowRemote);

  fixture.choose(bankList, "TD Bank Canada CFP - 80 Byte");
  EXPECT_EQ(place(remoteID), (Rect{1685, 3900, 1700, 320}));
  EXPECT_EQ(place(batchID), (Rect{1685, 4320, 1700, 320}));
  EXPECT_EQ(place(batchIDLabel2).left, 3440);
  EXPECT_EQ(place(batchIDLabel).width, 1565);

  fixture.choose(bankList, "Generic Bank Format");
  EXPECT_EQ(place(remoteID), wideRemote);
  EXPECT_EQ(place(remoteIDLabel2).left, 6600);
  fixture.choose(bankList, "Wells Fargo ARP - Standard");
  EXPECT_EQ(place(remoteID), narrowRemote);

  fixture.choose(bankList, "Citibank - Standard Positive Pay");
  EXPECT_EQ(place(remoteID), wideRemote);
  EXPECT_EQ(place(bankCode).top, 4320);
  EXPECT_EQ(place(bankCodeLabel).top, 4365);

  fixture.choose(bankList, "Citibank - CitiDirect NA");
  EXPECT_EQ(place(bankCode).top, 5040);
  EXPECT_EQ(place(batchIDLabel), (Rect{160, 4365, 965, 255}));
  EXPECT_EQ(place(batchID).left, 1185);
}

TEST(BankCaptions, BankCodeListsAreFilledAndReset) {
  ModelFixture fixture;
  fixture.start();
  const window::Control& codes = fixture.control(bankCode);
  fixture.choose(bankList, "Wachovia");
  EXPECT_EQ(codes.entries.size(), 12u);
  EXPECT_EQ(codes.text, "<pick a bank code>");
  EXPECT_EQ(codes.selected, 0);
  fixture.choose(bankCode, "0005 - GA");
  EXPECT_EQ(codes.selected, 4);

  fixture.choose(bankList, "Wells Fargo ASCII");
  EXPECT_EQ(codes.entries.size(), 14u);
  fixture.choose(bankList, "Regions Bank");
  EXPECT_FALSE(codes.visible);
  EXPECT_EQ(codes.entries.size(), 14u);  // kept, hidden
  fixture.choose(bankList, "Wachovia");
  EXPECT_EQ(codes.entries.size(), 12u);
  EXPECT_EQ(codes.text, "<pick a bank code>");

  fixture.choose(bankList, "Citibank - Standard Positive Pay");
  EXPECT_EQ(codes.entries[11], "030 - CNJ - New Jersey");

  // The account's saved code is selected after its format's list is filled.
  fixture.settings.saveSetting("SavingsbankList", "Wachovia");
  fixture.settings.saveSetting("SavingsbankCode", "0020 - CT");
  fixture.choose(myAccount, "Savings");
  EXPECT_EQ(codes.text, "0020 - CT");
  EXPECT_EQ(codes.selected, 8);
}

TEST(BankCaptions, ATextThatMatchesNothingHidesTheIdentifiers) {
  ModelFixture fixture;
  fixture.start();
  fixture.choose(bankList, "Wells Fargo ARP - Standard");
  fixture.type(bankList, "Wells");
  // The account number stays while the bank-code list is empty.
  EXPECT_EQ(inputs(fixture), "|||Account Number||" "|Add");
  EXPECT_EQ(fixture.text(bankIDLabel), "Bank ID");

  // It goes when the list holds the codes a format left there; the list itself stays.
  fixture.choose(bankList, "Wachovia");
  fixture.type(bankList, "Wach");
  EXPECT_EQ(inputs(fixture), "||||Bank Num||Add");

  // A built-in name typed in full applies its inputs.
  fixture.type(bankList, "Royal Bank of Canada");
  EXPECT_EQ(shown(fixture, bankInput), "Transit Number *");
  EXPECT_FALSE(fixture.visible(bankCode));
  fixture.type(bankList, "<pick a bank for this account>");
  EXPECT_FALSE(fixture.visible(bankID));
}

// Choosing a custom format gives the output file the extension of its layout: comma-separated
// (also when the option was never stored) turns .txt into .csv, fixed-length turns .csv into .txt.
TEST(BankCaptions, CustomFormatsShowTheAccountNumberAndSwitchTheExtension) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {nullptr, "/books/pay.txt", "/books/pay.csv"},
      {"True", "/books/pay.txt", "/books/pay.csv"},
      {"True", "/books/PAY.TXT", "/books/PAY.csv"},
      {"False", "/books/pay.CSV", "/books/pay.txt"},
      {"False", "/books/pay.txt", "/books/pay.txt"},
      {"True", "/books/pay.dat", "/books/pay.dat"},
      {"True", "txt", "txt"},
  };
  ModelFixture fixture;
  fixture.settings.saveSetting("Custom Format: Payroll", "Payroll");
  fixture.start();
  for (const auto& [optionCSV, before, after] : cases) {
    if (optionCSV != nullptr) fixture.settings.saveSetting("PayrollOptionCSV", optionCSV);
    fixture.choose(bankList, "TD Bank Canada CFP - 80 Byte");
    fixture.type(fileName, before);
    fixture.choose(bankList, "Custom Format: Payroll");
    EXPECT_EQ(fixture.text(fileName), after);
    EXPECT_EQ(inputs(fixture), "|||Account Number|||Edit");
    EXPECT_EQ(fixture.text(bankIDLabel), "Bank ID");
  }
}

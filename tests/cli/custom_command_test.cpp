// Each test keeps its custom formats in a settings file of its own, which Windows refuses: there
// the settings live in the registry.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/reports.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::ProgramRun;
using testing::TempFolder;

// Runs the program with its own settings file in folder.
ProgramRun ppexport(const TempFolder& folder, std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), {"--settings", folder.file("s.sqlite")});
  return testing::runPpexport(arguments);
}

// Save refuses with the editor's messages, and bad usage says why; either way exit status 2.
TEST(CustomCommand, refusalsAndUsageErrors) {
  const std::string missingLength =
      "To save a fixed length field custom format, specify the field length as a number for each "
      "field selected.\n";
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"custom", "save", "P", "--csv"}, "To save a custom format, specify at least one field.\n"},
      {{"custom", "save", "P", "--fixed", "--field", "Payee:20", "--field", "Memo: 0 "},
       missingLength},
      {{"custom", "save", "P", "--fixed", "--field", "Payee:abc"}, missingLength},
      {{"custom", "save", "P", "--field", "Payee"}, ""},
      {{"custom", "save", "P", "--csv", "--fixed", "--field", "Payee"}, ""},
      {{"custom", "save", "P", "--csv", "--field", "1", "--field", "2", "--field", "3", "--field",
        "4", "--field", "5", "--field", "6", "--field", "7", "--field", "8", "--field", "9"},
       "ppexport: a custom format has at most 8 fields.\n"},
      {{"custom", "show", "Nothing"}, "ppexport: there is no custom format named \"Nothing\".\n"},
      {{"custom"}, ""},
  };
  for (const auto& [arguments, err] : cases) {
    TempFolder folder;
    ProgramRun run = ppexport(folder, arguments);
    EXPECT_EQ(run.exitStatus, 2) << arguments.back();
    EXPECT_EQ(err.empty() ? run.err : err, run.err);
    EXPECT_NE(run.err, "");
    EXPECT_EQ(ppexport(folder, {"custom", "list"}).out, "");
  }
}

TEST(CustomCommand, saveShowListAndDelete) {
  TempFolder folder;
  ProgramRun saved =
      ppexport(folder, {"custom", "save", " Pay roll ", "--fixed", "--field", "Date:3", "--field",
                        "Check Number: 007 ", "--field", "", "--field", "Amount:-10.5",
                        "--date-format", "MMDDYY", "--void-value", "V"});
  EXPECT_EQ(saved.exitStatus, 0) << saved.err;
  EXPECT_EQ(saved.out, "Saved \"Custom Format: Pay roll\".\n");
  EXPECT_EQ(ppexport(folder, {"custom", "save", "Other", "--csv", "--field", "Memo"}).exitStatus, 0);
  EXPECT_EQ(ppexport(folder, {"custom", "list"}).out, "Pay roll\nOther\n");
  EXPECT_EQ(ppexport(folder, {"custom", "show", "Pay roll"}).out,
            "Name: Pay roll\n"
            "Output: fixed-length\n"
            "Field 1: Date, length 6\n"
            "Field 2: Check Number, length 7\n"
            "Field 3:\n"
            "Field 4: Amount, length 10\n"
            "Field 5:\nField 6:\nField 7:\nField 8:\n"
            "Date format: MMDDYY\n"
            "Is Void value: V\n");

  // Saving again keeps what is not given.
  EXPECT_EQ(ppexport(folder, {"custom", "save", "Pay roll", "--csv"}).exitStatus, 0);
  const std::string shown = ppexport(folder, {"custom", "show", "Pay roll"}).out;
  EXPECT_NE(shown.find("Output: comma-separated\nField 1: Date, length 6\n"), std::string::npos);

  ProgramRun kept = ppexport(folder, {"custom", "delete", " Pay roll"});
  EXPECT_EQ(kept.exitStatus, 0);
  EXPECT_EQ(kept.out, "There is no custom format named \" Pay roll\"; nothing was deleted.\n");
  EXPECT_EQ(ppexport(folder, {"custom", "list"}).out, "Pay roll\nOther\n");
  EXPECT_EQ(ppexport(folder, {"custom", "delete", "Pay roll"}).out,
            "Deleted \"Custom Format: Pay roll\".\n");
  EXPECT_EQ(ppexport(folder, {"custom", "list"}).out, "Other\n");
}

TEST(CustomCommand, aSavedFormatWritesTheConvertedFile) {
  struct Case {
    std::vector<std::string> output;
    std::string line;
  } cases[] = {
      {{"--csv"}, "12/31/2025,1001,Acme Inc.,1234.50"},
      {{"--fixed", "--date-format", "MMDDYYYY"}, "12312025001001Acme, Inc.0000123450"},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    testing::writeBytes(folder.file("checks.txt"),
                        testing::reportText({{"Document Number", "Name", "Date", "Bill 1",
                                              "Name Type", "Amount", "Cleared", "Description"},
                                             {"1001", "Acme, Inc.", "12/31/2025", "", "Vendor",
                                              "-1,234.50", "Uncleared", ""}}));
    testing::writeBytes(folder.file("vendors.txt"), "");
    std::vector<std::string> save = {"custom", "save", "Acme", "--field", "Date", "--field",
                                     "Check Number:6", "--field", "Payee:10", "--field",
                                     "Amount:10"};
    save.insert(save.end(), c.output.begin(), c.output.end());
    EXPECT_EQ(ppexport(folder, save).exitStatus, 0);
    ProgramRun converted = ppexport(
        folder, {"convert", "--checks", folder.file("checks.txt"), "--vendors",
                 folder.file("vendors.txt"), "--bank", "Custom Format: Acme", "--output",
                 folder.file("acme.txt")});
    EXPECT_EQ(converted.exitStatus, 0) << converted.err;
    EXPECT_EQ(testing::readBytes(folder.file("acme.txt")), c.line + "\r\n");
  }
}

}  // namespace
}  // namespace ppexport
#endif

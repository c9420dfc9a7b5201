#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/scoped_variable.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

enum class Match { Exact, Contains };

// One table of command lines, run in order on one settings file, with what each prints and its
// exit status.
TEST(CommandLine, explainsItselfAndAnswersSlipsByName) {
  testing::TempFolder folder;
  testing::ScopedVariable reportFolder{"TEMP", folder.path().string()};
  const std::string settings = folder.file("settings.sqlite");
  const std::string company = std::string(PPEXPORT_SOURCE_DIR) + "/data/sample-company.json";
  const std::string output = folder.file("regions.txt");
  const std::string missingCompany = folder.file("Compnay.json");
  const std::string unopenable = folder.file("no/such/folder/settings.sqlite");
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string out;
    std::string err = "";
    Match match = Match::Exact;
  } cases[] = {
      // Which identifiers a format takes, under the window's captions.
      {{"banks", "--inputs", "TD Bank Canada CFP - 80 Byte", "--settings", settings},
       0,
       "TD Bank Canada CFP - 80 Byte\n"
       "  --remote-id   CFP Acct Name *\n"
       "  --bank-id     CDA Acct #[7] *\n"
       "  --batch-id    Branch Tansit #[5] *\n"
       "  --account-id  CFP Acct #[5] *\n"
       "\n"
       "* Values provided by your bank\n"},
      {{"--settings", settings, "banks", "--inputs", "Jonah Bank of Wyoming"},
       0,
       "Jonah Bank of Wyoming\n  (no identifiers)\n"},
      {{"--settings", settings, "banks", "--inputs", "Wachovia"},
       0,
       "  --bank-code   Bank Num, one of:\n                0001 - NC\n",
       "",
       Match::Contains},
      {{"--settings", settings, "banks", "--inputs", "Regions Bnak"},
       2,
       "",
       "ppexport: no bank format named 'Regions Bnak'\nDid you mean: Regions Bank?\n"},
      // Mistyped commands are named, with the nearest command.
      {{"crate"}, 2, "", "ppexport: unknown command 'crate'. Did you mean 'create'?\n"
                         "See 'ppexport --help'.\n"},
      {{"settings", "lst"}, 2, "", "ppexport: unknown command 'lst'. Did you mean 'list'?\n"
                                   "See 'ppexport settings --help'.\n"},
      {{"help", "cutsom"}, 2, "", "ppexport: unknown command 'cutsom'. Did you mean 'custom'?\n"
                                  "See 'ppexport --help'.\n"},
      {{"help"}, 0, "Subcommands:\n  create ", "", Match::Contains},
      {{"help", "settings"}, 0, "Usage: ppexport settings [OPTIONS] SUBCOMMAND", "",
       Match::Contains},
      {{"create", "--help"}, 0, "ppexport banks --inputs \"BANK FORMAT\"", "", Match::Contains},
      {{"help", "convert"}, 0, "Exit status: 0 done", "", Match::Contains},
      // Global options after the command.
      {{"create", "--account", "Checking", "--bank", "Regions Bank", "--output", output,
        "--now", "2026-12-05T19:05", "--company", company, "--settings", settings, "--history",
        folder.file("history")},
       0,
       "Created " + output + " with 22 check records.",
       "",
       Match::Contains},
      {{"history", "list", "--history", folder.file("history")}, 0, "Checking  Regions Bank", "",
       Match::Contains},
      // Custom formats take only the editor's fields and date formats.
      {{"--settings", settings, "custom", "save", "Bad", "--csv", "--field", "Dat"},
       2,
       "",
       "ppexport: no custom format field named 'Dat'; the fields are Date, Check Number, Payee, "
       "Amount, Is Void, Type, Memo or Account Number.\n"},
      {{"--settings", settings, "custom", "save", "Bad", "--csv", "--date-format", "yyyy-mm-dd"},
       2,
       "",
       "ppexport: no date format 'yyyy-mm-dd'; the date formats are MM/DD/YY, MM/DD/YYYY, "
       "DD/MM/YY, DD/MM/YYYY, YYYY/MM/DD, MM-DD-YY, MM-DD-YYYY, DD-MM-YY, DD-MM-YYYY, YYYY-MM-DD, "
       "MMDDYY, MMDDYYYY, DDMMYY, DDMMYYYY or YYYYMMDD.\n"},
      {{"--settings", settings, "custom", "save", "Good", "--fixed", "--field", "check number:6",
        "--field", "ACCOUNT NUMBER:4", "--date-format", "YYYY-MM-DD"},
       0,
       "Saved \"Custom Format: Good\".\n"},
      {{"--settings", settings, "custom", "show", "Good"},
       0,
       "Field 1: Check Number, length 6\nField 2: Account Number, length 4\n",
       "",
       Match::Contains},
      {{"--settings", settings, "banks", "--inputs", "Custom Format: Good"},
       0,
       "Custom Format: Good\n  --account-id  Account Number\n"},
      {{"--settings", settings, "banks", "--inputs", "Custom Format: Bad"},
       2,
       "",
       "ppexport: no bank format named 'Custom Format: Bad'\nDid you mean: Custom Format: Good?\n"},
      // The first cause is the one said.
      {{"accounts", "--company", missingCompany},
       1,
       "",
       "ppexport: the company file '" + missingCompany + "' does not exist\n"},
      {{"--settings", unopenable, "settings", "list"},
       1,
       "",
       "ppexport: The settings file \"" + unopenable +
           "\" could not be opened: unable to open database file\n"},
  };
  for (const Case& c : cases) {
    const testing::ProgramRun run = testing::runPpexport(c.arguments);
    std::string line;
    for (const std::string& argument : c.arguments) line += argument + " ";
    EXPECT_EQ(run.exitStatus, c.status) << line << "\n" << run.err;
    if (c.match == Match::Exact) {
      EXPECT_EQ(run.out, c.out) << line;
    } else {
      EXPECT_NE(run.out.find(c.out), std::string::npos) << line << "\n" << run.out;
    }
    EXPECT_EQ(run.err, c.err) << line;
  }
}

}  // namespace
}  // namespace ppexport

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "create/help_document.h"
#include "settings/environment.h"
#include "support/temp_folder.h"
#include "text/file_names.h"


namespace ppexport {
namespace {

using testing::TempFolder;

// A viewer that records what it was asked to do.
struct RecordingViewer final : DocumentViewer {
  bool starts = true;
  std::vector<std::string> steps;
  bool start() override {
    steps.push_back("start");
    return starts;
  }
  bool shows = true;
  bool show(const std::string& path) override {
    steps.push_back("show " + path);
    return shows;
  }
  void close() override { steps.push_back("close"); }
};

// The Windows installer puts the document beside the programs, a Linux package in the data folder
// beside the sample company; one beside the program wins.
TEST(HelpDocument, folderIsBesideTheProgramElseTheInstalledDataFolder) {
  struct Case {
    bool besideProgram;
    bool inDataFolder;
    const char* expectedFolder;
  };
  for (const Case& c : {Case{true, true, "bin"}, Case{false, true, "share/ppexport"},
                        Case{false, false, "bin"}}) {
    TempFolder folder;
    std::filesystem::create_directories(folder.path() / "bin");
    std::filesystem::create_directories(folder.path() / "share" / "ppexport");
    if (c.besideProgram) testing::writeBytes(folder.file("bin/Instructions.doc"), "doc");
    if (c.inDataFolder) testing::writeBytes(folder.file("share/ppexport/Instructions.doc"), "doc");
    const std::filesystem::path expected = folder.path() / c.expectedFolder;
    EXPECT_EQ(helpDocumentFolder(fileName(folder.path() / "bin"), helpDocumentName),
              fileName(expected.lexically_normal()))
        << c.expectedFolder;
  }
}

TEST(HelpDocument, eachFailureHasItsMessageAndLeavesNoViewerRunning) {
  TempFolder folder;
  const std::string programFolder = fileName(folder.path());
  RecordingViewer missingViewer;
  missingViewer.starts = false;
  EXPECT_EQ(openDocumentation(missingViewer, programFolder, helpDocumentName),
            HelpOutcome::viewerUnavailable);
  EXPECT_EQ(missingViewer.steps, std::vector<std::string>{"start"});

  RecordingViewer viewer;
  EXPECT_EQ(openDocumentation(viewer, programFolder, helpDocumentName),
            HelpOutcome::documentMissing);
  EXPECT_EQ(viewer.steps, (std::vector<std::string>{"start", "close"}));

  // No program takes the document: the message names it for the user to open.
  testing::writeBytes(folder.file("Instructions.doc"), "doc");
  RecordingViewer refusing;
  refusing.shows = false;
  EXPECT_EQ(openDocumentation(refusing, programFolder, helpDocumentName),
            HelpOutcome::viewerUnavailable);
}

// The messages themselves are the window model's test; the folder comes as UTF-8 and goes into
// the message as Windows-1252.
TEST(HelpDocument, theFolderInAMessageIsWindows1252) {
  EXPECT_EQ(helpMessage(HelpOutcome::viewerUnavailable, "C:\\Programme\\Zahlungsl\xC3\xA4ufe",
                        "Instructions.doc"),
            "No program could open the documentation file. Please open it with WordPad or another "
            "word processor:\r\n\r\n" +
                pathInFolder("C:\\Programme\\Zahlungsl\xE4ufe", "Instructions.doc"));
}


}  // namespace
}  // namespace ppexport

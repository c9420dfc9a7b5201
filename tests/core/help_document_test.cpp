#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "create/help_document.h"
#include "settings/environment.h"
#include "support/temp_folder.h"
#include "text/file_names.h"

#ifdef _WIN32
#include "create/word_document_viewer.h"
#include "support/fake_automation.h"
#endif

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
  void show(const std::string& path) override { steps.push_back("show " + path); }
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
}

// The messages themselves are the window model's test; the folder comes as UTF-8 and goes into
// the message as Windows-1252.
TEST(HelpDocument, theFolderInAMessageIsWindows1252) {
  EXPECT_EQ(helpMessage(HelpOutcome::viewerUnavailable, "C:\\Programme\\Zahlungsl\xC3\xA4ufe",
                        "Instructions.doc"),
            "Unable to launch MS Word. Please open the documentation file manually from "
            "C:\\Programme\\Zahlungsl\xE4ufe.");
}

#ifdef _WIN32

using testing::FakeAutomationObject;
using testing::FakeAutomationRegistration;
using testing::textArgument;

constexpr wchar_t wordId[] = L"PpexportTest.WordApplication";
// {2C7F4A91-6E0B-4D38-A5C2-19E8B3D04F67}
constexpr CLSID wordClass = {0x2c7f4a91, 0x6e0b, 0x4d38,
                             {0xa5, 0xc2, 0x19, 0xe8, 0xb3, 0xd0, 0x4f, 0x67}};

// Word played by the test: the calls reaching it, in order.
class PlayedWord : public ::testing::Test {
 protected:
  ComApartment apartment;
  std::vector<std::string> releases;
  FakeAutomationObject word{"word", releases};
  FakeAutomationObject documents{"documents", releases};
  FakeAutomationObject window{"window", releases};
  std::vector<std::wstring> steps;

  void SetUp() override {
    word.on(L"Documents", [this](const auto&, VARIANT* result, EXCEPINFO*) {
      documents.returnAsResult(result);
      return S_OK;
    });
    word.on(L"ActiveWindow", [this](const auto&, VARIANT* result, EXCEPINFO*) {
      window.returnAsResult(result);
      return S_OK;
    });
    word.on(L"Activate", [this](const auto&, VARIANT*, EXCEPINFO*) {
      steps.push_back(L"Activate");
      return S_OK;
    });
    word.on(L"Quit", [this](const auto&, VARIANT*, EXCEPINFO*) {
      steps.push_back(L"Quit");
      return S_OK;
    });
    documents.on(L"Open", [this](const auto& arguments, VARIANT*, EXCEPINFO*) {
      steps.push_back(L"Open " + (arguments.size() == 1 ? textArgument(arguments[0]) : L"?"));
      return S_OK;
    });
    window.on(L"Visible", [this](const auto& arguments, VARIANT*, EXCEPINFO*) {
      const bool visible = arguments.size() == 1 && V_VT(arguments[0]) == VT_BOOL &&
                           V_BOOL(arguments[0]) == VARIANT_TRUE;
      steps.push_back(visible ? L"Visible True" : L"Visible ?");
      return S_OK;
    });
  }
};

TEST_F(PlayedWord, opensTheDocumentMakesItVisibleAndActivatesWord) {
  FakeAutomationRegistration registration(wordId, wordClass, word);
  ASSERT_TRUE(registration.registered());
  TempFolder folder;
  testing::writeBytes(folder.file("Instructions.doc"), "doc");
  WordDocumentViewer viewer(wordId);
  EXPECT_EQ(openDocumentation(viewer, fileName(folder.path()), helpDocumentName),
            HelpOutcome::opened);
  const std::wstring path = folder.path().wstring() + L"\\Instructions.doc";
  EXPECT_EQ(steps, (std::vector<std::wstring>{L"Open " + path, L"Visible True", L"Activate"}));
  ASSERT_FALSE(window.calls().empty());
  EXPECT_EQ(window.calls().back().second, DISPATCH_PROPERTYPUT);
}

TEST_F(PlayedWord, aMissingDocumentQuitsTheWordItStarted) {
  FakeAutomationRegistration registration(wordId, wordClass, word);
  ASSERT_TRUE(registration.registered());
  TempFolder folder;
  {
    WordDocumentViewer viewer(wordId);
    EXPECT_EQ(openDocumentation(viewer, fileName(folder.path()), helpDocumentName),
              HelpOutcome::documentMissing);
  }
  EXPECT_EQ(steps, std::vector<std::wstring>{L"Quit"});
  EXPECT_EQ(word.references(), 1u);
}

TEST(WordDocumentViewer, withoutWordTheViewerIsUnavailable) {
  TempFolder folder;
  WordDocumentViewer viewer(L"PpexportTest.NoWordHere");
  EXPECT_EQ(openDocumentation(viewer, fileName(folder.path()), helpDocumentName),
            HelpOutcome::viewerUnavailable);
}

#endif

}  // namespace
}  // namespace ppexport

// Windows only: the export through QuickBooks' automation objects, with a QuickBooks played by
// the test behind the real late-bound calls.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quickbooks/automation.h"  // windows.h, then the automation headers
#include <oleauto.h>

#include "quickbooks/com_quickbooks_connection.h"
#include "quickbooks/export_errors.h"
#include "support/fake_automation.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::FakeAutomationObject;
using testing::FakeAutomationRegistration;
using testing::raise;
using testing::textArgument;

constexpr wchar_t finderId[] = L"PpexportTest.RunningInstanceFinder";
// {5B0E6C1D-3F7A-4E92-8C1B-7A2D9E4F6B30}
constexpr CLSID finderClass = {0x5b0e6c1d, 0x3f7a, 0x4e92,
                               {0x8c, 0x1b, 0x7a, 0x2d, 0x9e, 0x4f, 0x6b, 0x30}};

// A calendar day of an automation date argument, reference or not.
Date dateArgument(const VARIANT* argument) {
  double value = 0;
  if (V_VT(argument) == VT_DATE) value = V_DATE(argument);
  else if (V_VT(argument) == (VT_BYREF | VT_DATE)) value = *V_DATEREF(argument);
  else return Date{};
  SYSTEMTIME time{};
  VariantTimeToSystemTime(value, &time);
  return Date{time.wYear, time.wMonth, time.wDay};
}

ExportRequest transactionRequest(const std::string& outputPath) {
  ExportRequest request;
  request.from = Date{2024, 1, 31};
  request.to = Date{2024, 3, 5};
  request.outputPath = outputPath;
  request.delimiter = "\x01";
  request.reportName = "qbTransactionListGeneral";
  request.options = {"summaryRows", "Document Number,Name", "Amount", "allCashDisbursementsDetail",
                     "", "summaryOnly", "", "", "Transaction", "True", "Sunday", "",
                     "Caf\xE9 Checking", "", ""};  // the account name in Windows-1252
  return request;
}

HRESULT raiseNotRunning(EXCEPINFO* exception) {
  return raise(exception, static_cast<HRESULT>(0x80040201), L"QuickBooks is not running");
}

// A QuickBooks that answers every step, recording what reached it.
class PlayedQuickBooks : public ::testing::Test {
 protected:
  ComApartment apartment;
  std::vector<std::string> releases;
  FakeAutomationObject finder{"finder", releases};
  FakeAutomationObject instance{"instance", releases};
  FakeAutomationObject module{"module", releases};
  std::vector<std::wstring> moduleNames;
  std::vector<std::wstring> texts;
  std::vector<Date> dates;
  std::vector<VARTYPE> types;
  std::wstring failingMember;  // the member that raises an error instead of answering

  void SetUp() override {
    finder.on(L"GetAnyInstance", [this](const auto& arguments, VARIANT* result, EXCEPINFO* error) {
      if (failingMember == L"GetAnyInstance") return raiseNotRunning(error);
      if (!arguments.empty()) return DISP_E_BADPARAMCOUNT;
      instance.returnAsResult(result);
      return S_OK;
    });
    instance.on(L"GetModule", [this](const auto& arguments, VARIANT* result, EXCEPINFO* error) {
      if (failingMember == L"GetModule") return raiseNotRunning(error);
      for (const VARIANT* argument : arguments) moduleNames.push_back(textArgument(argument));
      module.returnAsResult(result);
      return S_OK;
    });
    module.on(L"GetTextFile", [this](const auto& arguments, VARIANT*, EXCEPINFO* error) {
      if (failingMember == L"GetTextFile") return raiseNotRunning(error);
      for (const VARIANT* argument : arguments) {
        types.push_back(V_VT(argument));
        if ((V_VT(argument) & VT_TYPEMASK) == VT_DATE) {
          dates.push_back(dateArgument(argument));
        } else {
          texts.push_back(textArgument(argument));
        }
      }
      return S_OK;
    });
  }
};

TEST_F(PlayedQuickBooks, theTwentyValuesReachGetTextFileInOrder) {
  FakeAutomationRegistration registration(finderId, finderClass, finder);
  ASSERT_TRUE(registration.registered());
  ComQuickBooksConnection connection(finderId);
  // "C:\Users\Müller\AppData\Local\Temp\checks.txt" as the core holds it, in UTF-8.
  const std::string path = "C:\\Users\\M\xC3\xBCller\\AppData\\Local\\Temp\\checks.txt";
  EXPECT_EQ(connection.exportReport(transactionRequest(path)), "Success");

  EXPECT_EQ(moduleNames, std::vector<std::wstring>{L"ExcelDataSourceCommon.TextFile"});
  EXPECT_EQ(dates, (std::vector<Date>{{2024, 1, 31}, {2024, 3, 5}}));
  EXPECT_EQ(texts, (std::vector<std::wstring>{
                       L"C:\\Users\\M\u00FCller\\AppData\\Local\\Temp\\checks.txt", L"\u0001",
                       L"qbTransactionListGeneral", L"summaryRows", L"Document Number,Name",
                       L"Amount", L"allCashDisbursementsDetail", L"", L"summaryOnly", L"", L"",
                       L"Transaction", L"True", L"Sunday", L"", L"Caf\u00E9 Checking", L"",
                       L""}));
  // Passed by reference, as the variables of a Visual Basic caller are.
  ASSERT_EQ(types.size(), 20u);
  EXPECT_EQ(types[0], VT_BYREF | VT_DATE);
  EXPECT_EQ(types[1], VT_BYREF | VT_DATE);
  for (std::size_t i = 2; i < types.size(); ++i) EXPECT_EQ(types[i], VT_BYREF | VT_BSTR) << i;
  // Every object is let go again, the module first and the finder last.
  EXPECT_EQ(releases, (std::vector<std::string>{"module", "instance", "finder"}));
  EXPECT_EQ(finder.references(), 1u);
  EXPECT_EQ(instance.references(), 1u);
  EXPECT_EQ(module.references(), 1u);
}

TEST_F(PlayedQuickBooks, eachFailingStepGivesItsTextWithTheNumberAndDescriptionRaised) {
  FakeAutomationRegistration registration(finderId, finderClass, finder);
  ASSERT_TRUE(registration.registered());
  struct Case {
    std::wstring member;
    std::string (*errorText)(std::int64_t, std::string_view);
  };
  const Case cases[] = {
      {L"GetAnyInstance", findRunningCopyErrorText},
      {L"GetModule", useConnectionErrorText},
      {L"GetTextFile", exportingErrorText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(narrow(c.member));
    failingMember = c.member;
    ComQuickBooksConnection connection(finderId);
    EXPECT_EQ(connection.exportReport(transactionRequest("checks.txt")),
              c.errorText(-2147220991, "QuickBooks is not running"));
    // Nothing is held on to after a failure either.
    EXPECT_EQ(finder.references(), 1u);
    EXPECT_EQ(instance.references(), 1u);
    EXPECT_EQ(module.references(), 1u);
  }
}

TEST(ComQuickBooksConnection, aFinderThatIsNotRegisteredIsTheInterfaceError) {
  ComQuickBooksConnection connection(L"PpexportTest.NotRegistered");
  const std::string text = connection.exportReport(transactionRequest("checks.txt"));
  const std::string head = createInterfaceErrorText(-2147221005, "");
  // CO_E_CLASSSTRING, with the system's description after the number.
  ASSERT_GT(text.size(), head.size());
  EXPECT_EQ(text.substr(0, head.size() - 2), head.substr(0, head.size() - 2));
  EXPECT_NE(text.substr(head.size() - 2, text.size() - head.size()), "");
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

}  // namespace
}  // namespace ppexport
#endif

// The text functions on the cases of tests/golden/text-cases.txt: one line a case, the function's
// name, the text given and the text expected, parted by tabs; a byte may be written \xHH. A number
// given or expected is read as a double, and "none" stands for no value.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>
#include <vector>

#include "custom/custom_format_editor.h"
#include "formats/bank_formats.h"
#include "formats/file_control_number.h"
#include "quickbooks/check_fields.h"
#include "settings/account_settings.h"
#include "support/reports.h"
#include "support/written_file.h"
#include "support/temp_folder.h"
#include "text/amounts.h"
#include "text/regional.h"
#include "text/windows1252.h"

namespace ppexport {
namespace {

double number(const std::string& text) {
  double value = 0;
  const auto read = std::from_chars(text.data(), text.data() + text.size(), value);
  EXPECT_EQ(read.ptr, text.data() + text.size()) << "not a number: " << text;
  return value;
}

// The shortest text that reads back as value, so that a double compares exactly.
std::string shortest(double value) {
  char text[64];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

template <typename T>
std::string orNone(const std::optional<T>& value) {
  if (!value) return "none";
  if constexpr (std::is_same_v<T, double>) return shortest(*value);
  else return std::to_string(*value);
}

std::string date(const std::optional<Date>& day) {
  return day ? std::to_string(day->year) + "-" + std::to_string(day->month) + "-" +
                   std::to_string(day->day)
             : "none";
}

const Regional us = Regional::unitedStates();

// The fields of a text parted by "|".
std::vector<std::string> parts(const std::string& text) {
  std::vector<std::string> fields;
  for (std::size_t from = 0, bar = 0; bar != std::string::npos; from = bar + 1) {
    bar = text.find('|', from);
    fields.push_back(text.substr(from, bar - from));
  }
  return fields;
}

Date day(const std::string& text) {
  Date date;
  std::sscanf(text.c_str(), "%d-%d-%d", &date.year, &date.month, &date.day);
  return date;
}

// The vendor list the payee cases look names up in.
const ReportTable vendorTable = testing::reportTable({{"Full Name", "Print on Checks"},
                                                      {"Acme", "Acme Supply Co."},
                                                      {"Blank", ""},
                                                      {"Twice", ""},
                                                      {"Twice", "Second entry"}});
const VendorIndex vendors(vendorTable);

const std::map<std::string, std::function<std::string(const std::string&)>> functions{
    {"to1252", [](const std::string& t) { return utf8ToWindows1252(t); }},
    {"toUtf8", [](const std::string& t) { return windows1252ToUtf8(t); }},
    {"upperCase", [](const std::string& t) { return upperCase(t); }},
    {"trimSpaces", [](const std::string& t) { return std::string(trimSpaces(t)); }},
    {"noControls", [](const std::string& t) { return replaceControlCharacters(t); }},
    {"lettersDigitsSpaces", [](const std::string& t) { return lettersDigitsSpacesOnly(t); }},
    {"upperLettersSpaces", [](const std::string& t) { return upperLettersSpacesOnly(t); }},
    {"voidAmount", [](const std::string& t) { return shortest(voidAmountFromMemo(t)); }},
    {"roundHalfEven", [](const std::string& t) { return orNone(roundHalfEven(number(t))); }},
    {"twoDecimals", [](const std::string& t) { return formatTwoDecimals(number(t)); }},
    {"general", [](const std::string& t) { return formatGeneral(number(t)); }},
    // The register amount and the factor, parted by a space.
    {"cents", [](const std::string& t) {
       const std::size_t space = t.find(' ');
       return orNone(amountInCents(number(t.substr(0, space)), number(t.substr(space + 1))));
     }},
    // A text that is a number is read as one, and one that is not is not.
    {"number", [](const std::string& t) {
       EXPECT_EQ(us.isNumeric(t), us.toNumber(t).has_value()) << t;
       return orNone(us.toNumber(t));
     }},
    {"length", [](const std::string& t) { return validateLength(t); }},
    // Name, name type and Bill 1, parted by "|".
    {"payee", [](const std::string& t) {
       const auto p = parts(t);
       return std::string(resolvePayee(p.at(0), p.at(1), p.at(2), vendors));
     }},
    // Amount cell and memo, parted by "|"; the status and the check amount.
    {"status", [](const std::string& t) {
       const auto p = parts(t);
       const char* names[] = {"Issue", "Void", "Cancel"};
       return names[static_cast<int>(checkStatus(p.at(0), p.at(1)))] + std::string(" ") +
              shortest(checkAmount(p.at(0), p.at(1)));
     }},
    {"lastDayOfMonth", [](const std::string& t) { return date(lastDayOfMonth(day(t))); }},
    {"shortDate", [](const std::string& t) { return us.shortDate(day(t)); }},
    // The stored text ("none" for no key) and the default, parted by "|"; the setting as a boolean
    // (or "text"), and its text.
    {"getSetting", [](const std::string& t) {
       const auto p = parts(t);
       MemorySettingsStore store;
       if (p.at(0) != "none") store.saveSetting("PayrollOptionCSV", p.at(0));
       const SettingValue value = getSetting(store, "PayrollOptionCSV", p.at(1));
       return (!value.isBoolean() ? "text|" : value.asBoolean() ? "true|" : "false|") + value.text;
     }},
    // The stored next file number of TD Bank Canada: the number in the file and the one stored
    // after it, parted by "|".
    {"tdFileNumber", [](const std::string& t) {
       testing::WriterFixture fixture({});
       fixture.settings.saveSetting("nextTDCanadaBankFileNumber", t);
       const std::string header = testing::writeBankFile(writeTdBankCanada, fixture).lines.at(0);
       return header.substr(61, 8) + "|" +
              fixture.settings.readSetting("nextTDCanadaBankFileNumber").value_or("none");
     }},
    {"checkBox", [](const std::string& t) { return orNone(checkBoxState(t)); }},
    // The days back from 03/05/2024; the from and to dates, parted by "|".
    {"dateRange", [](const std::string& t) {
       const auto range = automaticDateRange(t, Date{2024, 3, 5});
       return range ? range->fromDate + "|" + range->toDate : "none";
     }},
    // The width, then after a space the stored number, if any; on 12/05/2026, day 46361.
    {"controlNumber", [](const std::string& t) {
       const std::size_t space = t.find(' ');
       const auto stored = space == std::string::npos ? std::nullopt
                                                      : std::optional(t.substr(space + 1));
       return followingFileControlNumber(stored, Date{2026, 12, 5}, std::stoul(t.substr(0, space)));
     }},
    {"date", [](const std::string& t) {
       EXPECT_EQ(us.isDate(t), us.toDate(t).has_value()) << t;
       return date(us.toDate(t));
     }},
};

TEST(TextFunctions, giveWhatTheCasesExpect) {
  std::istringstream in(testing::readBytes(PPEXPORT_SOURCE_DIR "/tests/golden/text-cases.txt"));
  int cases = 0;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> parts;
    for (std::size_t from = 0, tab = 0; tab != std::string::npos; from = tab + 1) {
      tab = line.find('\t', from);
      std::string part = line.substr(from, tab - from);
      for (std::size_t at = 0; (at = part.find("\\x", at)) != std::string::npos; ++at) {
        part.replace(at, 4, 1, static_cast<char>(std::stoi(part.substr(at + 2, 2), nullptr, 16)));
      }
      parts.push_back(part);
    }
    ASSERT_EQ(parts.size(), 3u) << line;
    const auto function = functions.find(parts[0]);
    ASSERT_NE(function, functions.end()) << line;
    const bool isDouble = (parts[0] == "number" || parts[0] == "voidAmount") && parts[2] != "none";
    EXPECT_EQ(function->second(parts[1]), isDouble ? shortest(number(parts[2])) : parts[2]) << line;
    ++cases;
  }
  EXPECT_GT(cases, 200);
}

TEST(Windows1252, everyDefinedByteSurvivesTheRoundTrip) {
  // Every byte but the undefined ones survives the round trip.
  std::string all;
  for (int b = 1; b < 256; ++b) {
    if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) all += static_cast<char>(b);
  }
  EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
}

TEST(Windows1252, upperCaseOfAnUpperCaseLetterIsItself) {
  // Upper case twice is upper case once.
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    EXPECT_EQ(upperCase(upperCase(c)), upperCase(c)) << b;
  }
}

}  // namespace
}  // namespace ppexport

#include "settings/account_settings.h"

#include <cmath>
#include <filesystem>

#include "settings/environment.h"
#include "text/amounts.h"
#include "text/file_names.h"

namespace ppexport {

namespace {

// The account keys in the order the window saves them, each with the member that holds its text.
struct AccountKey {
  const char* suffix;
  std::string AccountSettings::*member;
};

constexpr AccountKey accountKeys[] = {
    {"bankList", &AccountSettings::bankList},
    {"fromDate", &AccountSettings::fromDate},
    {"toDate", &AccountSettings::toDate},
    {"fileName", &AccountSettings::fileName},
    {"autoDateRangeDays", &AccountSettings::autoDateRangeDays},
    {"autoDateRange", &AccountSettings::autoDateRange},
    {"remoteID", &AccountSettings::remoteID},
    {"batchID", &AccountSettings::batchID},
    {"bankID", &AccountSettings::bankID},
    {"accountID", &AccountSettings::accountID},
    {"bankCode", &AccountSettings::bankCode},
    {"createReviewFile", &AccountSettings::createReviewFile},
    {"newOnly", &AccountSettings::newOnly},
};

std::string accountKey(std::string_view account, const char* suffix) {
  return std::string(account) + suffix;
}

// A whole number from a text as the window converts one: numeric texts rounded half to even.
std::optional<long long> wholeNumber(std::string_view text, long long limit) {
  const std::optional<double> value = regional().toNumber(text);
  if (!value || !std::isfinite(*value) || std::fabs(*value) > static_cast<double>(limit)) {
    return std::nullopt;
  }
  const std::optional<std::int64_t> rounded = roundHalfEven(*value);
  if (!rounded) return std::nullopt;
  return *rounded;
}

}  // namespace

bool saveUserSettings(SettingsStore& store, const AccountSettings& values) {
  bool allWritten = store.saveSetting(lastAccountKey, values.account);
  for (const AccountKey& key : accountKeys) {
    allWritten = store.saveSetting(accountKey(values.account, key.suffix), values.*key.member) &&
                 allWritten;
  }
  return allWritten;
}

std::string lastChosenAccount(SettingsStore& store) {
  return getSetting(store, lastAccountKey, noAccountChosen).text;
}

AccountSettings getAccountSettings(SettingsStore& store, std::string_view account,
                                   const Date& today) {
  const std::string todayText = regional().shortDate(today);
  auto read = [&](const char* suffix, std::string_view defaultValue) {
    return getSetting(store, accountKey(account, suffix), defaultValue).text;
  };
  AccountSettings values;
  values.account = std::string(account);
  values.bankList = read("bankList", noBankChosen);
  if (values.bankList == noBankChosenMisspelt) values.bankList = noBankChosen;
  values.fromDate = read("fromDate", todayText);
  values.toDate = read("toDate", todayText);
  values.fileName = read("fileName", "");
  if (values.fileName.empty()) values.fileName = defaultOutputFile();
  values.autoDateRangeDays = read("autoDateRangeDays", defaultAutoDateRangeDays);
  values.autoDateRange = read("autoDateRange", "1");
  values.remoteID = read("remoteID", "");
  values.batchID = read("batchID", "");
  values.bankID = read("bankID", "");
  values.accountID = read("accountID", "");
  values.bankCode = read("bankCode", noBankCodeChosen);
  // The list entry was once misspelt; the code the bank reads, its first four digits, is the same.
  if (values.bankCode == "0042 - MTZ (Mountian)") values.bankCode = "0042 - MTZ (Mountain)";
  values.createReviewFile = read("createReviewFile", "0");
  values.newOnly = read("newOnly", "0");
  return values;
}

namespace {
bool isFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(filePath(path), error);
}

// The first of the folders that exists, else home itself, followed by the file name.
std::string fileInFolder(const std::string& home, std::initializer_list<const char*> folders,
                         char separator) {
  for (const char* folder : folders) {
    const std::string path = home + separator + folder;
    if (isFolder(path)) return path + separator + "PositivePayExport.txt";
  }
  return home + separator + "PositivePayExport.txt";
}
}  // namespace

std::string defaultOutputFile() {
#ifdef _WIN32
  const std::string profile = environmentValue("USERPROFILE");
  if (!profile.empty()) return fileInFolder(profile, {"My Documents", "Documents"}, '\\');
#endif
  return fileInFolder(environmentValue("HOME"), {"Documents"}, '/');
}

std::optional<int> checkBoxState(std::string_view stored) {
  const SettingValue value{std::string(stored)};
  long long state = 0;
  if (value.isBoolean()) {
    state = value.asBoolean() ? -1 : 0;
  } else if (std::optional<long long> number = wholeNumber(stored, 1'000'000'000)) {
    state = *number;
  } else {
    return std::nullopt;
  }
  if (state < 0 || state > 2) return std::nullopt;
  return static_cast<int>(state);
}

std::optional<DateRangeTexts> automaticDateRange(std::string_view daysText, const Date& today) {
  long long days = 90;
  if (regional().isNumeric(daysText)) {
    // A number of days beyond the calendar's range leaves the dates as they are.
    const std::optional<long long> number = wholeNumber(daysText, 4'000'000);
    if (!number) return std::nullopt;
    days = *number;
  }
  const Date from = addDays(today, static_cast<long>(-days));
  if (from.year < 100 || from.year > 9999) return std::nullopt;
  return DateRangeTexts{regional().shortDate(from), regional().shortDate(today)};
}

}  // namespace ppexport

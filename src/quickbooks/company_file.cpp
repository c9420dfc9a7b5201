#include "quickbooks/company_file.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <system_error>

#include "text/clock.h"
#include "text/file_names.h"
#include "text/windows1252.h"

namespace ppexport {

namespace {

using Json = nlohmann::json;

// A register line may lie at most this many days from today, which keeps every date a real one.
constexpr long long farthestDaysAgo = 100000;

// Reads the parts of the company file and keeps the first problem found, with where it is.
class Reader {
 public:
  bool ok() const { return problem_.empty(); }
  const std::string& problem() const { return problem_; }
  bool report(const std::string& where, const std::string& what) {
    if (problem_.empty()) problem_ = where + ": " + what;
    return false;
  }

  // A text member, converted to Windows-1252; "" when it is absent.
  std::string text(const Json& object, const char* key, const std::string& where,
                   bool required = false) {
    const auto member = object.find(key);
    if (member == object.end() || member->is_null()) {
      if (required) report(where, std::string("\"") + key + "\" is missing");
      return {};
    }
    if (!member->is_string()) {
      report(where, std::string("\"") + key + "\" must be a text");
      return {};
    }
    return utf8ToWindows1252(member->get_ref<const std::string&>());
  }

  bool flag(const Json& object, const char* key, bool absent, const std::string& where) {
    const auto member = object.find(key);
    if (member == object.end() || member->is_null()) return absent;
    if (!member->is_boolean()) {
      return report(where, std::string("\"") + key + "\" must be true or false");
    }
    return member->get<bool>();
  }

  // The entries of a list member of the company; an absent list is empty.
  const Json* list(const Json& company, const char* key) {
    const auto member = company.find(key);
    if (member == company.end() || member->is_null()) return &emptyList_;
    if (!member->is_array()) {
      report(std::string("\"") + key + "\"", "must be a list");
      return &emptyList_;
    }
    for (std::size_t index = 0; index < member->size(); ++index) {
      if (!(*member)[index].is_object()) {
        report(std::string("\"") + key + "\" entry " + std::to_string(index + 1),
               "must be an object");
        return &emptyList_;
      }
    }
    return &*member;
  }

 private:
  std::string problem_;
  const Json emptyList_ = Json::array();
};

std::string where(const char* kind, std::size_t index) {
  return std::string(kind) + " " + std::to_string(index + 1);
}

CompanyName readName(Reader& reader, const Json& entry, const std::string& place,
                     std::string nameType) {
  CompanyName name;
  name.name = reader.text(entry, "name", place, true);
  name.nameType = std::move(nameType);
  name.printOnChecks = reader.text(entry, "printOnChecks", place);
  name.companyName = reader.text(entry, "companyName", place);
  name.street = reader.text(entry, "street", place);
  name.street2 = reader.text(entry, "street2", place);
  name.city = reader.text(entry, "city", place);
  name.state = reader.text(entry, "state", place);
  name.zip = reader.text(entry, "zip", place);
  name.phone = reader.text(entry, "phone", place);
  name.active = reader.flag(entry, "active", true, place);
  return name;
}

// The address block QuickBooks prints on a check to this name: the name as printed on checks,
// then the street lines and the city line, as many as fit in three lines.
std::array<std::string, 3> addressBlock(const std::string& name, const CompanyName* record) {
  std::array<std::string, 3> block;
  if (!record) {
    block[0] = name;
    return block;
  }
  std::string cityLine = record->city;
  if (!record->state.empty()) cityLine += (cityLine.empty() ? "" : ", ") + record->state;
  if (!record->zip.empty()) cityLine += (cityLine.empty() ? "" : " ") + record->zip;
  std::vector<std::string> lines{record->printOnChecks.empty() ? name : record->printOnChecks};
  for (const std::string* line :
       std::initializer_list<const std::string*>{&record->street, &record->street2, &cityLine}) {
    if (!line->empty()) lines.push_back(*line);
  }
  for (std::size_t index = 0; index < block.size() && index < lines.size(); ++index) {
    block[index] = lines[index];
  }
  return block;
}

// A register amount as QuickBooks' reports show it: two decimals, "-" when negative, no group
// separators.
std::string amountText(double amount) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", amount);
  std::string shown(text);
  return shown == "-0.00" ? std::string("0.00") : shown;
}

bool readDate(Reader& reader, const Json& entry, const std::string& place, const Date& today,
              Date& date) {
  const auto daysAgo = entry.find("daysAgo");
  const auto fixed = entry.find("date");
  const bool hasDaysAgo = daysAgo != entry.end() && !daysAgo->is_null();
  const bool hasDate = fixed != entry.end() && !fixed->is_null();
  if (hasDaysAgo == hasDate) return reader.report(place, "give either \"daysAgo\" or \"date\"");
  if (hasDaysAgo) {
    if (!daysAgo->is_number_integer() || daysAgo->get<long long>() > farthestDaysAgo ||
        daysAgo->get<long long>() < -farthestDaysAgo) {
      return reader.report(place, "\"daysAgo\" must be a whole number of days");
    }
    date = addDays(today, static_cast<long>(-daysAgo->get<long long>()));
    return true;
  }
  const std::optional<DateTime> day =
      fixed->is_string() && fixed->get_ref<const std::string&>().size() == 10
          ? parseIsoInstant(fixed->get_ref<const std::string&>())
          : std::nullopt;
  if (!day) return reader.report(place, "\"date\" must be a day written YYYY-MM-DD");
  date = day->date;
  return true;
}

CompanyTransaction readTransaction(Reader& reader, const Json& entry, std::size_t index,
                                   const Company& company, const Date& today) {
  const std::string place = where("transaction", index);
  CompanyTransaction line;
  line.account = reader.text(entry, "account", place, true);
  line.id = static_cast<long long>(index) + 1;
  if (const auto id = entry.find("id"); id != entry.end() && !id->is_null()) {
    if (id->is_number_integer()) {
      line.id = id->get<long long>();
    } else {
      reader.report(place, "\"id\" must be a whole number");
    }
  }
  line.type = entry.contains("type") ? reader.text(entry, "type", place) : "Check";
  readDate(reader, entry, place, today, line.date);
  line.number = reader.text(entry, "number", place);
  line.name = reader.text(entry, "name", place);
  const CompanyName* record = company.findName(line.name);
  line.nameType = entry.contains("nameType") ? reader.text(entry, "nameType", place)
                  : record                   ? record->nameType
                                             : std::string();
  line.billTo = addressBlock(line.name, record);
  if (const auto billTo = entry.find("billTo"); billTo != entry.end() && !billTo->is_null()) {
    if (!billTo->is_array() || billTo->size() > 3) {
      reader.report(place, "\"billTo\" must be a list of at most three texts");
    } else {
      line.billTo = {};
      for (std::size_t lineIndex = 0; lineIndex < billTo->size(); ++lineIndex) {
        if (!(*billTo)[lineIndex].is_string()) {
          reader.report(place, "\"billTo\" must be a list of at most three texts");
          break;
        }
        line.billTo[lineIndex] =
            utf8ToWindows1252((*billTo)[lineIndex].get_ref<const std::string&>());
      }
    }
  }
  line.memo = reader.text(entry, "memo", place);
  line.amount = "0.00";
  if (const auto amount = entry.find("amount"); amount != entry.end() && !amount->is_null()) {
    if (amount->is_string()) {
      line.amount = utf8ToWindows1252(amount->get_ref<const std::string&>());
    } else if (amount->is_number() && std::isfinite(amount->get<double>()) &&
               std::fabs(amount->get<double>()) < 1e15) {
      line.amount = amountText(amount->get<double>());
    } else {
      reader.report(place, "\"amount\" must be a number or a text");
    }
  }
  line.cleared = entry.contains("cleared") ? reader.text(entry, "cleared", place) : "Uncleared";
  line.isSource = reader.flag(entry, "isSource", true, place);
  return line;
}

CompanyFileLoad failure(std::int64_t number, const std::string& path, const std::string& what) {
  CompanyFileLoad load;
  load.errorNumber = number;
  load.errorDescription = "The company file \"" + path + "\" " + what;
  return load;
}

}  // namespace

const CompanyName* Company::findName(const std::string& wanted) const {
  if (wanted.empty()) return nullptr;
  for (const auto* names : {&vendors, &otherNames}) {
    for (const CompanyName& name : *names) {
      if (name.name == wanted) return &name;
    }
  }
  return nullptr;
}

CompanyFileLoad readCompanyText(const std::string& text, const std::string& path,
                                const Date& today) {
  if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
    return failure(standInError::companyFileEmpty, path, "is empty");
  }
  Json root;
  try {
    root = Json::parse(text);
  } catch (const Json::exception& error) {
    // "[json.exception.parse_error.101] parse error at line 3, column 7: ..." without its tag.
    std::string message = error.what();
    if (const std::size_t tagEnd = message.find("] "); tagEnd != std::string::npos) {
      message.erase(0, tagEnd + 2);
    }
    return failure(standInError::companyFileNotJson, path,
                   "is not valid JSON: " + replaceControlCharacters(utf8ToWindows1252(message)));
  } catch (...) {
    return failure(standInError::companyFileUnreadable, path, "could not be read");
  }
  if (!root.is_object()) {
    return failure(standInError::notACompanyFile, path,
                   "is not a company file: it must hold one JSON object");
  }

  CompanyFileLoad load;
  Reader reader;
  Company& company = load.company;
  try {
    company.name = reader.text(root, "company", "the company");
    const Json* accounts = reader.list(root, "accounts");
    for (std::size_t index = 0; index < accounts->size(); ++index) {
      const Json& entry = (*accounts)[index];
      const std::string place = where("account", index);
      CompanyAccount account;
      account.name = reader.text(entry, "name", place, true);
      account.type = reader.text(entry, "type", place, true);
      account.active = reader.flag(entry, "active", true, place);
      account.number = reader.text(entry, "number", place);
      account.description = reader.text(entry, "description", place);
      company.accounts.push_back(std::move(account));
    }
    const Json* vendors = reader.list(root, "vendors");
    for (std::size_t index = 0; index < vendors->size(); ++index) {
      company.vendors.push_back(
          readName(reader, (*vendors)[index], where("vendor", index), "Vendor"));
    }
    const Json* employees = reader.list(root, "employees");
    for (std::size_t index = 0; index < employees->size(); ++index) {
      company.otherNames.push_back(
          readName(reader, (*employees)[index], where("employee", index), "Employee"));
    }
    const Json* others = reader.list(root, "otherNames");
    for (std::size_t index = 0; index < others->size(); ++index) {
      const std::string place = where("other name", index);
      const Json& entry = (*others)[index];
      std::string kind = entry.contains("nameType") ? reader.text(entry, "nameType", place)
                                                     : std::string("Other Name");
      company.otherNames.push_back(readName(reader, entry, place, std::move(kind)));
    }
    const Json* transactions = reader.list(root, "transactions");
    for (std::size_t index = 0; index < transactions->size(); ++index) {
      company.transactions.push_back(
          readTransaction(reader, (*transactions)[index], index, company, today));
    }
  } catch (...) {
    reader.report("the company", "could not be read");
  }
  if (!reader.ok()) {
    return failure(standInError::notACompanyFile, path,
                   "is not a company file: " + reader.problem());
  }
  return load;
}

CompanyFileLoad loadCompanyFile(const std::string& path, const Date& today) try {
  if (path.empty()) {
    CompanyFileLoad load;
    load.errorNumber = standInError::companyFileMissing;
    load.errorDescription = "No company file was found to play QuickBooks from";
    return load;
  }
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(filePath(path), error);
  if (status.type() == std::filesystem::file_type::not_found) {
    return failure(standInError::companyFileMissing, path, "does not exist");
  }
  if (status.type() == std::filesystem::file_type::directory) {
    return failure(standInError::companyFileUnreadable, path, "is a folder, not a file");
  }
  std::ifstream in(filePath(path), std::ios::binary);
  if (!in) {
    return failure(standInError::companyFileUnreadable, path,
                   std::string("could not be read: ") + std::strerror(errno));
  }
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    return failure(standInError::companyFileUnreadable, path, "could not be read to its end");
  }
  return readCompanyText(text, path, today);
} catch (...) {
  return failure(standInError::companyFileUnreadable, path, "could not be read");
}

}  // namespace ppexport

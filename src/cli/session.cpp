#include "cli/session.h"

#include <cstdio>
#include <filesystem>
#include <ostream>

#include "settings/environment.h"
#include "text/file_names.h"
#include "text/windows1252.h"

namespace ppexport::cli {

HistoryLocation Session::history() const {
  HistoryLocation location = historyLocation(globals_->history);
  std::error_code error;
  const std::filesystem::file_status status =
      std::filesystem::status(filePath(location.folder), error);
  if (!location.folder.empty() && std::filesystem::exists(status) &&
      !std::filesystem::is_directory(status)) {
    return {{}, "the history folder " + location.folder + " is a file, not a folder"};
  }
  return location;
}

SettingsStore* Session::settings() {
  if (!store_) {
    store_ = openSettingsStore(globals_->settingsFile);
    if (!store_->error.empty()) console_->err << "ppexport: " << store_->error << '\n';
  }
  if (store_->refused) return nullptr;
  return store_->store.get();
}

const Clock* Session::clock() {
  if (!clockChecked_) {
    clockChecked_ = true;
    std::string fixed = globals_->now.empty() ? environmentValue("PPEXPORT_NOW") : globals_->now;
    if (fixed.empty()) {
      clock_ = std::make_unique<SystemClock>();
    } else if (std::optional<DateTime> instant = parseIsoInstant(fixed)) {
      clock_ = std::make_unique<FixedClock>(*instant);
    } else {
      console_->err << "ppexport: the clock \"" << fixed
                    << "\" is not an instant; give YYYY-MM-DD or YYYY-MM-DDTHH:MM.\n";
    }
  }
  return clock_.get();
}

namespace {
// Why a company file cannot be played, in the words that follow its name; "" when it can.
std::string companyFileProblem(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(filePath(path), error)) return "does not exist";
  if (std::filesystem::is_directory(filePath(path), error)) return "is a folder";
  std::FILE* probe = openFile(path, "rb");
  if (probe == nullptr) return "cannot be read";
  std::fclose(probe);
  return "";
}
}  // namespace

void Session::reportSettingsFailure(const SettingsStore& store) {
  if (store_ && store.lastError() == store_->error) return;
  console_->err << "ppexport: " << store.lastError() << '\n';
}

bool Session::useRegister(const std::string& file, const std::string& account,
                          const std::string& columns) {
  std::string problem;
  const std::optional<ColumnMapping> mapping =
      parseColumnMapping(utf8ToWindows1252(columns), problem);
  if (!mapping) {
    console_->err << "ppexport: --columns: " << windows1252ToUtf8(problem) << '\n';
    return false;
  }
  registerPath_ = file;
  register_ = std::make_unique<RegisterFileConnection>(file, utf8ToWindows1252(account), *mapping,
                                                       settings());
  return true;
}

QuickBooksConnection* Session::quickBooks() {
  if (register_) {
    const std::string problem = companyFileProblem(registerPath_);
    if (!problem.empty()) {
      console_->err << "ppexport: the register file '" << registerPath_ << "' " << problem << '\n';
      quickBooksFailure_ = failed;
      return nullptr;
    }
    return register_.get();
  }
  if (!quickBooks_) {
    const Clock* today = clock();
    if (today == nullptr) return nullptr;
    // A mistyped company file is said plainly, before any QuickBooks wording could blame a
    // missing QuickBooks.
    const std::string company = globals_->companyFile.empty()
                                    ? environmentValue("PPEXPORT_COMPANY")
                                    : globals_->companyFile;
    if (!company.empty()) {
      const std::string problem = companyFileProblem(company);
      if (!problem.empty()) {
        console_->err << "ppexport: the company file '" << company << "' " << problem << '\n';
        quickBooksFailure_ = failed;
        return nullptr;
      }
    }
    quickBooks_ = chooseQuickBooksConnection(globals_->companyFile, *today, programFolder());
    if (quickBooks_->sampleCompany) console_->err << "ppexport: " << sampleCompanyNotice() << '\n';
  }
  return quickBooks_->connection.get();
}

}  // namespace ppexport::cli

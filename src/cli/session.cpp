#include "cli/session.h"

#include <ostream>

#include "settings/environment.h"

namespace ppexport::cli {

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

QuickBooksConnection* Session::quickBooks() {
  if (!quickBooks_) {
    const Clock* today = clock();
    if (today == nullptr) return nullptr;
    quickBooks_ = chooseQuickBooksConnection(globals_->companyFile, *today, programFolder());
    if (quickBooks_->sampleCompany) console_->err << "ppexport: " << sampleCompanyNotice() << '\n';
  }
  return quickBooks_->connection.get();
}

}  // namespace ppexport::cli

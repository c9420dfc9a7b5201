#include "window/program_services.h"

#include "create/help_document.h"
#include "history/history_folder.h"
#include "quickbooks/report_export.h"
#include "settings/environment.h"
#include "window/window_text.h"

namespace ppexport::window {

ProgramServices::ProgramServices(const ProgramOptions& options)
    : store_(openSettingsStore(options.settingsFile)) {
  if (store_.refused) {
    error_ = fromCore(store_.error);
    return;
  }
  std::string fixed = options.now;
  if (fixed.empty()) fixed = environmentValue("PPEXPORT_NOW");
  if (fixed.empty()) {
    clock_ = std::make_unique<SystemClock>();
  } else if (const std::optional<DateTime> instant = parseIsoInstant(fixed)) {
    clock_ = std::make_unique<FixedClock>(*instant);
  } else {
    error_ = "The clock \"" + fixed +
             "\" is not an instant; give YYYY-MM-DD or YYYY-MM-DDTHH:MM.";
    return;
  }
  quickBooks_ = chooseQuickBooksConnection(options.companyFile, *clock_, programFolder());
}

WindowServices ProgramServices::windowServices() const {
  WindowServices services;
  if (!error_.empty()) return services;
  services.settings = store_.store.get();
  services.quickBooks = quickBooks_->connection.get();
  services.clock = clock_.get();
  services.reportFolder = reportFolder();
  services.programFolder = helpDocumentFolder(programFolder(), helpDocumentName);
  services.version = PPEXPORT_VERSION;
  const HistoryLocation history = historyLocation("");
  services.historyFolder = history.folder;
  if (!history.error.empty()) services.notices.push_back(fromCore(history.error));
  // On Windows a company file plays QuickBooks only when named; the window says so all the same.
  bool standIn = quickBooks_->sampleCompany;
#ifdef _WIN32
  standIn = standIn || !quickBooks_->companyFile.empty();
#endif
  if (standIn) services.notices.push_back(fromCore(sampleCompanyNotice()));
  if (!store_.error.empty()) {
    services.notices.push_back("Settings are not kept: " + fromCore(store_.error));
  }
  return services;
}

}  // namespace ppexport::window

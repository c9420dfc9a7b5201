#include "app/program_services.h"

#include <QCoreApplication>

#include "app/text_conversion.h"
#include "create/help_document.h"
#include "quickbooks/report_export.h"
#include "settings/environment.h"

namespace ppexport::app {

ProgramServices::ProgramServices(const ProgramOptions& options)
    : store_(openSettingsStore(toPath(options.settingsFile))) {
  if (store_.refused) {
    error_ = fromCore(store_.error);
    return;
  }
  std::string fixed = options.now.toStdString();
  if (fixed.empty()) fixed = environmentValue("PPEXPORT_NOW");
  if (fixed.empty()) {
    clock_ = std::make_unique<SystemClock>();
  } else if (const std::optional<DateTime> instant = parseIsoInstant(fixed)) {
    clock_ = std::make_unique<FixedClock>(*instant);
  } else {
    error_ = QStringLiteral("The clock \"%1\" is not an instant; give YYYY-MM-DD or "
                            "YYYY-MM-DDTHH:MM.")
                 .arg(QString::fromStdString(fixed));
    return;
  }
  quickBooks_ = chooseQuickBooksConnection(toPath(options.companyFile), *clock_, programFolder());
}

WindowServices ProgramServices::windowServices() {
  WindowServices services;
  services.settings = store_.store.get();
  services.quickBooks = quickBooks_->connection.get();
  services.clock = clock_.get();
  services.reportFolder = reportFolder();
  services.messages = &messages_;
  services.files = &files_;
  services.documents = &documents_;
  services.programFolder = fromPath(helpDocumentFolder(
      toPath(QCoreApplication::applicationDirPath()), instructionsDocument));
  services.version = PPEXPORT_VERSION;
  if (quickBooks_->sampleCompany) services.notices << fromCore(sampleCompanyNotice());
  if (!store_.error.empty()) {
    services.notices << QStringLiteral("Settings are not kept: %1").arg(fromCore(store_.error));
  }
  return services;
}

}  // namespace ppexport::app

#include "quickbooks/automation_connection.h"

#ifdef _WIN32

#include "quickbooks/export_errors.h"

namespace ppexport {

namespace {

// Stands where the COM connection goes until it is built: it never reaches QuickBooks and says
// so, and never falls back to sample data, since a bank file must not be written from a sample.
class UnavailableAutomationConnection final : public QuickBooksConnection {
 public:
  std::string exportReport(const ExportRequest&) override {
    // REGDB_E_CLASSNOTREG, as when the QuickBooks automation objects are not registered.
    return createInterfaceErrorText(-2147221164,
                                    "The QuickBooks automation connection is not part of this "
                                    "build");
  }
};

}  // namespace

std::unique_ptr<QuickBooksConnection> makeAutomationConnection() {
  return std::make_unique<UnavailableAutomationConnection>();
}

}  // namespace ppexport

#endif  // _WIN32

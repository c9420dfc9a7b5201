#include "quickbooks/automation_connection.h"

#ifdef _WIN32

#include "quickbooks/com_quickbooks_connection.h"

namespace ppexport {

std::unique_ptr<QuickBooksConnection> makeAutomationConnection() {
  return std::make_unique<ComQuickBooksConnection>();
}

}  // namespace ppexport

#endif  // _WIN32

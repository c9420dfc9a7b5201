#pragma once
// The real QuickBooks on Windows, reached through its automation objects
// ("QBInstanceFinder.RunningInstanceFinder", GetAnyInstance, GetModule, GetTextFile), bound late
// by name through COM IDispatch.

#include <memory>

#include "quickbooks/connection.h"

namespace ppexport {

#ifdef _WIN32
// Makes the connection to the running QuickBooks. Every export finds QuickBooks anew.
std::unique_ptr<QuickBooksConnection> makeAutomationConnection();
#endif

}  // namespace ppexport

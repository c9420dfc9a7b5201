#include <gtest/gtest.h>

#include "quickbooks/export_errors.h"

namespace ppexport {
namespace {

TEST(ExportErrors, textsEndInTheNumberAndDescription) {
  EXPECT_EQ(exportErrorText(ExportFailure::createInterface, -2147221005, "Invalid class string"),
            "An error occurred while attempting to create an interface to QuickBooks.\r\n\r\n"
            "Error: -2147221005 : Invalid class string\r\n");
  EXPECT_EQ(exportErrorText(ExportFailure::findRunningCopy, 429, "x"),
            "An error occurred while attempting to find a running copy of QuickBooks.\r\n"
            "If Quickbooks is not running, please start QuickBooks.\r\n\r\nError: 429 : x\r\n");
  EXPECT_EQ(exportErrorText(ExportFailure::useConnection, 5, "y"),
            "An error occurred while attempting to use the connection to QuickBooks.\r\n\r\n"
            "Error: 5 : y\r\n");
  EXPECT_EQ(exportErrorText(ExportFailure::exportReport, -1, ""),
            "An error occurred while QuickBooks was exporting the report.\r\n\r\nError: -1 : \r\n");
}

}  // namespace
}  // namespace ppexport

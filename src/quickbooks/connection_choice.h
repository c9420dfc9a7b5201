#pragma once
// Which QuickBooks the program talks to: a company file named with --company or PPEXPORT_COMPANY;
// else, on Windows, the running QuickBooks; elsewhere, where QuickBooks cannot run, the sample
// company that comes with the program.

#include <memory>
#include <string>
#include <string_view>

#include "quickbooks/connection.h"
#include "text/clock.h"

namespace ppexport {

struct QuickBooksChoice {
  std::unique_ptr<QuickBooksConnection> connection;  // never null
  // The company file played; "" when the real QuickBooks is asked.
  std::string companyFile;
  // The sample company is in use: the window and the command line say so.
  bool sampleCompany = false;
};

// companyOption is the --company value ("" when not given); it wins over PPEXPORT_COMPANY.
// programFolder is the folder of the running program, where the sample company is looked for.
// The clock dates the company file's register lines and must outlive the connection.
QuickBooksChoice chooseQuickBooksConnection(std::string_view companyOption, const Clock& clock,
                                            const std::string& programFolder);

// The sample company file: "sample-company.json" beside the program, in ../share/ppexport from
// it (an installed copy), or in the data folder of the source tree it was built from. "" when it
// is nowhere.
std::string findSampleCompany(const std::string& programFolder);

// The folder of the running program; "" when the platform does not tell.
std::string programFolder();

// What the window and the command line show while the sample company is in use.
std::string sampleCompanyNotice();

}  // namespace ppexport

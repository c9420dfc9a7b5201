#pragma once
// Windows only: the connection to the QuickBooks that runs on this desktop, through the automation
// objects QuickBooks registers, bound late by name.
#ifdef _WIN32

#include <string>

#include "quickbooks/connection.h"

namespace ppexport {

class ComQuickBooksConnection final : public QuickBooksConnection {
 public:
  // QuickBooks registers its finder as "QBInstanceFinder.RunningInstanceFinder"; tests hand in
  // the identifier of a finder of their own.
  explicit ComQuickBooksConnection(
      std::wstring finderProgrammaticId = L"QBInstanceFinder.RunningInstanceFinder");

  // Creates the finder, asks it for the running QuickBooks (GetAnyInstance), asks that for its
  // text export module (GetModule "ExcelDataSourceCommon.TextFile") and has the module write the
  // report (GetTextFile with the request's twenty values in order). The output path is UTF-8 like
  // every file name of the core; the other texts are Windows-1252 like the report texts.
  std::string exportReport(const ExportRequest& request) override;

 private:
  std::wstring finderProgrammaticId_;
};

}  // namespace ppexport

#endif

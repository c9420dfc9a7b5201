#include "quickbooks/connection_choice.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "quickbooks/automation_connection.h"
#include "quickbooks/company_connection.h"
#include "settings/environment.h"
#include "text/file_names.h"

#ifdef _WIN32
#include "text/windows_api.h"
#elif defined(__APPLE__)
#include <mach-o/dyld.h>
#endif

namespace ppexport {

namespace {

constexpr const char* sampleCompanyFileName = "sample-company.json";

bool isFile(const std::filesystem::path& path) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(path, ignored);
}

}  // namespace

QuickBooksChoice chooseQuickBooksConnection(std::string_view companyOption, const Clock& clock,
                                            const std::string& programFolder) {
  QuickBooksChoice choice;
  choice.companyFile = std::string(companyOption);
  if (choice.companyFile.empty()) choice.companyFile = environmentValue("PPEXPORT_COMPANY");
  if (choice.companyFile.empty()) {
#ifdef _WIN32
    (void)programFolder;  // the sample company is never the default here
    choice.connection = makeAutomationConnection();
    return choice;
#else
    // A missing sample company leaves the path empty: every export then reports that no company
    // file was found.
    choice.companyFile = findSampleCompany(programFolder);
    choice.sampleCompany = true;
#endif
  }
  choice.connection = std::make_unique<CompanyFileConnection>(choice.companyFile, clock);
  return choice;
}

std::string findSampleCompany(const std::string& programFolder) try {
  std::vector<std::filesystem::path> candidates;
  if (!programFolder.empty()) {
    const std::filesystem::path folder = filePath(programFolder);
    candidates.push_back(folder / sampleCompanyFileName);
    candidates.push_back(folder / ".." / "share" / "ppexport" / sampleCompanyFileName);
  }
#ifdef PPEXPORT_SOURCE_DATA_DIR
  candidates.push_back(std::filesystem::path(PPEXPORT_SOURCE_DATA_DIR) / sampleCompanyFileName);
#endif
  for (const std::filesystem::path& candidate : candidates) {
    if (isFile(candidate)) return fileName(candidate.lexically_normal());
  }
  return {};
} catch (...) {
  return {};  // a folder name the platform cannot convert: no sample company
}

std::string programFolder() try {
#ifdef _WIN32
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return fileName(std::filesystem::path(path).parent_path());
#elif defined(__APPLE__)
  char buffer[4096];
  std::uint32_t size = sizeof buffer;
  if (_NSGetExecutablePath(buffer, &size) != 0) return {};
  std::error_code error;
  const std::filesystem::path path = std::filesystem::canonical(buffer, error);
  return error ? std::string() : path.parent_path().string();
#else
  std::error_code error;
  const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.parent_path().string();
#endif
} catch (...) {
  return {};
}

std::string sampleCompanyNotice() {
  return "Using the sample company: its accounts and checks are examples, not your QuickBooks "
         "data.";
}

}  // namespace ppexport

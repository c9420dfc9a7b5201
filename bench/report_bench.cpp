// Reads a generated check report of many rows and writes its "Generic Bank Format" file, timing
// both and reporting the peak memory. Usage: report_bench [rows] [folder]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "formats/bank_formats.h"
#include "quickbooks/check_fields.h"
#include "quickbooks/report_table.h"

using namespace ppexport;

namespace {
std::string generateReport(long rows) {
  const char* headings[] = {"Trans ID", "Document Number", "Cleared", "Date", "Name", "Name Type",
                            "Bill 1", "Bill 2", "Bill 3", "Street", "Street2", "City", "State",
                            "ZIP", "Description", "is Source", "Amount"};
  std::string text;
  text.reserve(static_cast<std::size_t>(rows) * 150);
  for (std::size_t i = 0; i < std::size(headings); ++i) {
    if (i > 0) text += '\x01';
    text += headings[i];
  }
  text += "\r\n";
  char line[512];
  for (long row = 0; row < rows; ++row) {
    const bool isVoid = row % 50 == 0;
    const char* cleared = row % 3 == 0 ? "Cleared" : "Uncleared";
    int length = std::snprintf(
        line, sizeof line,
        "%ld\x01%ld\x01%s\x01%02ld/%02ld/2026\x01Vendor %ld\x01Vendor\x01Vendor %ld Inc\x01"
        "100 Main St\x01Suite %ld\x01\x01\x01Portland\x01ME\x01" "04101\x01%s\x01True\x01%s\r\n",
        100000 + row, 1000 + row, cleared, 1 + row % 12, 1 + row % 28, row % 400, row % 400,
        row % 90, isVoid ? "VOID: 125.00 wrong payee" : "Invoice payment for services",
        isVoid ? "0.00" : "-1,234.56");
    text.append(line, static_cast<std::size_t>(length));
  }
  return text;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
}  // namespace

int main(int argc, char** argv) {
  const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
  const std::filesystem::path folder =
      argc > 2 ? std::filesystem::path(argv[2]) : std::filesystem::temp_directory_path();
  const std::string reportPath = (folder / "bench-checks.txt").string();
  const std::string outputPath = (folder / "bench-generic.txt").string();
  // The report is generated in a child process, so that the peak memory measured below is what
  // reading and writing hold.
  if (pid_t child = fork(); child == 0) {
    std::string report = generateReport(rows);
    std::FILE* file = std::fopen(reportPath.c_str(), "wb");
    if (file == nullptr) std::_Exit(1);
    std::fwrite(report.data(), 1, report.size(), file);
    std::_Exit(std::fclose(file) == 0 ? 0 : 1);
  } else {
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return 1;
  }
  const auto reportBytes = std::filesystem::file_size(reportPath);

  auto start = std::chrono::steady_clock::now();
  ReportTable checks;
  readReportFile(reportPath, fieldSeparator, checks);
  const double readSeconds = secondsSince(start);

  start = std::chrono::steady_clock::now();
  VendorIndex vendors;
  WriterInputs inputs;
  inputs.checks = &checks;
  inputs.vendors = &vendors;
  inputs.fileName = outputPath;
  inputs.accountId = "987654321";
  WriterResult result = writeGenericBankFormat(inputs);
  const double writeSeconds = secondsSince(start);

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const double peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
  std::printf("rows %ld, report %.1f MB\nread %.3f s, write %.3f s, total %.3f s\n"
              "records %d, peak memory %.1f MB (%.2f x report)\n",
              rows, static_cast<double>(reportBytes) / 1e6, readSeconds, writeSeconds,
              readSeconds + writeSeconds, result.count, peakMegabytes,
              peakMegabytes * 1048576.0 / static_cast<double>(reportBytes));
  std::filesystem::remove(reportPath);
  std::filesystem::remove(outputPath);
  return result.written ? 0 : 1;
}

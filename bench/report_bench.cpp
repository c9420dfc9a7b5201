// Times reading a generated check report, alone and with writing its "Generic Bank Format" file,
// beside a plain read and write of the same bytes in the same run (also once flushed to disk, as
// a bank file always is), and reports the peak memory of each as a multiple of the report.
//
//   report_bench [--rows N]... [--runs R] [--folder DIR]   (rows 10000, 100000, 1000000; 3 runs)
//   report_bench --generate N FILE                         (only write a report of N rows)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "formats/bank_formats.h"
#include "quickbooks/check_fields.h"
#include "quickbooks/report_table.h"

using namespace ppexport;

namespace {

// A check register as QuickBooks exports it: 17 columns, two thirds of the checks uncleared, one
// in fifty voided with its amount in the memo.
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

// Writes the report and puts it on disk, so that its write-back does not run into the timings.
bool writeReport(long rows, const std::string& path) {
  const std::string report = generateReport(rows);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  bool written = std::fwrite(report.data(), 1, report.size(), file) == report.size();
  written = std::fflush(file) == 0 && written;
  written = fsync(fileno(file)) == 0 && written;
  return std::fclose(file) == 0 && written;
}

struct Measurement {
  double seconds = 0;
  double peakBytes = 0;
  bool ok = false;
};

// Runs work in a child process of its own, so that each measurement's peak memory is its own.
Measurement inChild(const std::function<bool()>& work) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    const auto start = std::chrono::steady_clock::now();
    Measurement result;
    result.ok = work();
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    result.peakBytes = static_cast<double>(usage.ru_maxrss) * 1024.0;
    const bool sent = write(pipeEnds[1], &result, sizeof result) == sizeof result;
    std::_Exit(sent ? 0 : 1);
  }
  close(pipeEnds[1]);
  Measurement result;
  if (child < 0 || read(pipeEnds[0], &result, sizeof result) != sizeof result) result = {};
  close(pipeEnds[0]);
  if (child > 0) waitpid(child, nullptr, 0);
  return result;
}

// The plain copy: the report's bytes read and written to a new file block by block, as cat does;
// flushed to disk before it is closed when asked, as every bank file is.
bool plainReadAndWrite(const std::string& from, const std::string& to, bool flushed = false) {
  std::FILE* in = std::fopen(from.c_str(), "rb");
  if (in == nullptr) return false;
  std::FILE* out = std::fopen(to.c_str(), "wb");
  if (out == nullptr) {
    std::fclose(in);
    return false;
  }
  static char block[128 * 1024];
  bool written = true;
  std::size_t got = 0;
  while ((got = std::fread(block, 1, sizeof block, in)) > 0) {
    written = std::fwrite(block, 1, got, out) == got && written;
  }
  std::fclose(in);
  if (flushed) written = std::fflush(out) == 0 && fsync(fileno(out)) == 0 && written;
  return std::fclose(out) == 0 && written;
}

bool readerAlone(const std::string& report) {
  ReportTable checks;
  readReportFile(report, fieldSeparator, checks);
  return checks.rows() >= 1;
}

bool readerAndWriter(const std::string& report, const std::string& output) {
  ReportTable checks;
  readReportFile(report, fieldSeparator, checks);
  VendorIndex vendors;
  WriterInputs inputs;
  inputs.checks = &checks;
  inputs.vendors = &vendors;
  inputs.fileName = output;
  inputs.accountId = "987654321";
  inputs.remoteId = "BENCH";
  return writeGenericBankFormat(inputs).written;
}

double best(std::vector<double> values) { return *std::min_element(values.begin(), values.end()); }
double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string machine() {
  std::ifstream cpuinfo("/proc/cpuinfo");
  std::string line;
  std::string model = "unknown processor";
  while (std::getline(cpuinfo, line)) {
    if (line.rfind("model name", 0) == 0) {
      model = line.substr(line.find(':') + 2);
      break;
    }
  }
  const long cores = sysconf(_SC_NPROCESSORS_ONLN);
  const double memory = static_cast<double>(sysconf(_SC_PHYS_PAGES)) *
                        static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 30);
  char text[256];
  std::snprintf(text, sizeof text, "%s, %ld cores, %.0f GB", model.c_str(), cores, memory);
  return text;
}

struct Timings {
  std::vector<double> seconds;
  std::vector<double> ratios;  // to the plain read and write of the same run
  std::vector<double> flushedRatios;  // to the flushed plain copy of the same run
  double peakBytes = 0;
};

void printLine(const char* what, const Timings& timings, double reportBytes, long rows) {
  const double megabytes = reportBytes / 1e6;
  std::printf("  %-14s best %7.3f s %6.0f MB/s %5.2f x plain | median %7.3f s %6.0f MB/s %5.2f x"
              " plain | %6.1f ns/row | peak %5.2f x report\n",
              what, best(timings.seconds), megabytes / best(timings.seconds), best(timings.ratios),
              median(timings.seconds), megabytes / median(timings.seconds),
              median(timings.ratios), median(timings.seconds) * 1e9 / static_cast<double>(rows),
              timings.peakBytes / reportBytes);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<long> sizes;
  int runs = 3;
  std::filesystem::path folder = std::filesystem::temp_directory_path();
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--generate" && i + 2 < argc) {
      return writeReport(std::atol(argv[i + 1]), argv[i + 2]) ? 0 : 1;
    } else if (option == "--rows" && i + 1 < argc) {
      sizes.push_back(std::atol(argv[++i]));
    } else if (option == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (option == "--folder" && i + 1 < argc) {
      folder = argv[++i];
    } else {
      std::fprintf(stderr, "usage: report_bench [--rows N]... [--runs R] [--folder DIR]\n"
                           "       report_bench --generate N FILE\n");
      return 2;
    }
  }
  if (sizes.empty()) sizes = {10000, 100000, 1000000};
  const std::string report = (folder / "bench-checks.txt").string();
  const std::string copy = (folder / "bench-copy.txt").string();
  const std::string output = (folder / "bench-generic.txt").string();

  std::printf("%s; %d runs each, side by side\n", machine().c_str(), runs);
  // What one bank file costs whatever its rows: creating it, flushing it to disk and moving it
  // into place, timed on a report without rows.
  const std::string emptyReport = (folder / "bench-empty.txt").string();
  if (!inChild([&] { return writeReport(0, emptyReport); }).ok) return 1;
  std::vector<double> fixedSeconds;
  for (int run = 0; run < std::max(runs, 5); ++run) {
    fixedSeconds.push_back(inChild([&] { return readerAndWriter(emptyReport, output); }).seconds);
  }
  const double fixed = median(fixedSeconds);
  std::filesystem::remove(emptyReport);
  std::printf("one bank file without rows (create, flush to disk, move into place): median %.4f s\n",
              fixed);
  bool ok = true;
  for (long rows : sizes) {
    // Generated in a child, so that no measurement carries the generator's memory.
    if (!inChild([&] { return writeReport(rows, report); }).ok) return 1;
    const double reportBytes = static_cast<double>(std::filesystem::file_size(report));
    Timings plain;
    Timings flushedPlain;
    Timings reader;
    Timings both;
    for (int run = 0; run < runs; ++run) {
      const Measurement copied = inChild([&] { return plainReadAndWrite(report, copy); });
      std::filesystem::remove(copy);
      const Measurement flushed = inChild([&] { return plainReadAndWrite(report, copy, true); });
      const Measurement read = inChild([&] { return readerAlone(report); });
      const Measurement written = inChild([&] { return readerAndWriter(report, output); });
      ok = ok && copied.ok && flushed.ok && read.ok && written.ok;
      plain.seconds.push_back(copied.seconds);
      flushedPlain.seconds.push_back(flushed.seconds);
      flushedPlain.ratios.push_back(flushed.seconds / copied.seconds);
      flushedPlain.peakBytes = std::max(flushedPlain.peakBytes, flushed.peakBytes);
      both.flushedRatios.push_back(written.seconds / flushed.seconds);
      reader.seconds.push_back(read.seconds);
      reader.ratios.push_back(read.seconds / copied.seconds);
      both.seconds.push_back(written.seconds);
      both.ratios.push_back(written.seconds / copied.seconds);
      plain.peakBytes = std::max(plain.peakBytes, copied.peakBytes);
      reader.peakBytes = std::max(reader.peakBytes, read.peakBytes);
      both.peakBytes = std::max(both.peakBytes, written.peakBytes);
      std::filesystem::remove(copy);
    }
    plain.ratios.assign(plain.seconds.size(), 1.0);
    std::printf("%ld rows, report %.1f MB\n", rows, reportBytes / 1e6);
    printLine("plain read+write", plain, reportBytes, rows);
    printLine("plain, flushed", flushedPlain, reportBytes, rows);
    printLine("reader", reader, reportBytes, rows);
    printLine("reader+writer", both, reportBytes, rows);
    std::printf("  reader+writer against the flushed plain copy: best %.2f x, median %.2f x\n",
                best(both.flushedRatios), median(both.flushedRatios));
    std::printf("  reader+writer beyond the file's fixed cost: %.1f ns/row\n",
                (median(both.seconds) - fixed) * 1e9 / static_cast<double>(rows));
    std::filesystem::remove(report);
    std::filesystem::remove(output);
  }
  return ok ? 0 : 1;
}

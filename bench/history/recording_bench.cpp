// What the sent-file history costs inside one process, where the load of the machine falls on
// both sides alike: a "Generic Bank Format" file of a check report written with the history's
// reading and recording and without them, run after run in turn, then the reading of the entry
// it made. Medians, in milliseconds. Built and run by bench/history_bench.sh.
//
//   recording_bench REPORT HISTORY_FOLDER OUTPUT [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/bank_formats.h"
#include "history/history_folder.h"
#include "history/sending.h"
#include "quickbooks/check_fields.h"
#include "quickbooks/report_table.h"

using namespace ppexport;

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: recording_bench REPORT HISTORY_FOLDER OUTPUT [RUNS]\n");
    return 2;
  }
  const std::string history = argv[2];
  const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 9;
  ReportTable checks;
  readReportFile(argv[1], fieldSeparator, checks);
  const VendorIndex vendors;

  std::vector<double> without, with, recordingAlone;
  for (int run = 0; run < runs; ++run) {
    for (const bool record : {false, true}) {
      std::filesystem::remove_all(history);
      std::filesystem::create_directories(history);
      WriterInputs inputs;
      inputs.checks = &checks;
      inputs.vendors = &vendors;
      inputs.fileName = argv[3];
      inputs.now = DateTime{Date{2026, 12, 7}, 9, 30, run};
      const auto start = Clock::now();
      std::vector<std::string> warnings;
      if (record) {
        const Sending sending(SendingRequest{history, true, false, "", "Generic Bank Format", ""});
        sending.attachTo(inputs);
        const WriterResult result = writeGenericBankFormat(inputs);
        const auto recording = Clock::now();
        warnings = sending.recordWrittenFile(inputs, result);
        recordingAlone.push_back(since(recording));
      } else {
        writeGenericBankFormat(inputs);
      }
      (record ? with : without).push_back(since(start));
      for (const std::string& warning : warnings) std::fprintf(stderr, "%s\n", warning.c_str());
    }
  }
  std::vector<double> reading;
  std::size_t count = 0;
  for (int run = 0; run < runs; ++run) {
    const auto start = Clock::now();
    const HistoryReading read = readHistory(history);
    reading.push_back(since(start));
    count = read.entries.empty() ? 0 : read.entries[0].checks.size();
  }
  std::printf("in one process, %d runs, medians (ms):\n", runs);
  std::printf("  write the bank file            %8.1f\n", median(without));
  std::printf("  the same, read and recorded    %8.1f  (recording after the file: %.1f)\n",
              median(with), median(recordingAlone));
  std::printf("  recording adds                 %8.1f  (%.0f%%)\n", median(with) - median(without),
              100 * (median(with) - median(without)) / median(without));
  std::printf("  read the entry of %zu checks %8.1f\n", count, median(reading));
  return 0;
}

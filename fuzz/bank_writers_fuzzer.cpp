// Any bytes as a check report, run through the built-in bank formats: no writer may crash, hang
// or leave a line with a line break inside it. The bank files are kept in memory, so that an input
// costs microseconds, not a flush to the disk per format.
//
// Replayed as a test, every input goes through all 38 formats. Under libFuzzer the first byte of
// an input picks the one format it goes through and the rest is the report, so that the fuzzer
// tries each writer with thousands of inputs a second and learns which bytes reach which writer.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "formats/bank_formats.h"
#include "formats/output_file.h"
#include "quickbooks/check_fields.h"
#include "settings/memory_store.h"

namespace {
bool oneFormatPerInput = false;
}  // namespace

// Called by libFuzzer only, never by the replay of the corpus.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  oneFormatPerInput = true;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ppexport;
  std::span<const BankFormat> formats = builtInBankFormats();
  if (oneFormatPerInput) {
    if (size == 0) return -1;
    formats = formats.subspan(data[0] % formats.size(), 1);
    ++data;
    --size;
  }
  // Every report gets the eight headings a writer needs, so the fuzzed bytes reach the rows.
  std::string report =
      "Document Number\x01Name\x01" "Date\x01" "Bill 1\x01Name Type\x01" "Amount\x01"
      "Cleared\x01" "Description\x01" "Bill 2\x01" "Bill 3\r\n";
  report.append(reinterpret_cast<const char*>(data), size);
  ReportTable checks;
  readReportText(report, fieldSeparator, checks);
  VendorIndex vendors;
  MemorySettingsStore settings;
  MemoryFiles files;
  const std::string output = "bank-file.txt";
  for (const BankFormat& format : formats) {
    WriterInputs inputs;
    inputs.checks = &checks;
    inputs.vendors = &vendors;
    inputs.fileName = output;
    inputs.accountId = "123456789";
    inputs.bankId = "0042";
    inputs.bankCode = "0001 - NC";
    inputs.settings = &settings;
    inputs.now = DateTime{Date{2026, 12, 5}, 19, 5};
    const WriterResult result = format.writer(inputs);
    if (!result.written) continue;
    // A file reported as written is there.
    const std::string* text = files.find(output);
    if (text == nullptr) __builtin_trap();
    // Every line ends in CR LF and holds no other CR or LF.
    for (std::size_t at = 0; at < text->size(); ++at) {
      const char c = (*text)[at];
      if (c == '\r' && (at + 1 >= text->size() || (*text)[at + 1] != '\n')) __builtin_trap();
      if (c == '\n' && (at == 0 || (*text)[at - 1] != '\r')) __builtin_trap();
    }
    // No more rows are written than the report has.
    if (result.checks.size() > static_cast<std::size_t>(checks.rows())) __builtin_trap();
    files.clear();
  }
  return 0;
}

// Any bytes as a check report, run through every built-in bank format: no writer may crash, hang
// or leave a line with a line break inside it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "formats/bank_formats.h"
#include "quickbooks/check_fields.h"
#include "settings/memory_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ppexport;
  // Every report gets the eight headings a writer needs, so the fuzzed bytes reach the rows.
  std::string report =
      "Document Number\x01Name\x01" "Date\x01" "Bill 1\x01Name Type\x01" "Amount\x01"
      "Cleared\x01" "Description\x01" "Bill 2\x01" "Bill 3\r\n";
  report.append(reinterpret_cast<const char*>(data), size);
  ReportTable checks;
  readReportText(report, fieldSeparator, checks);
  VendorIndex vendors;
  MemorySettingsStore settings;
  const std::filesystem::path output =
      std::filesystem::temp_directory_path() / "ppexport-fuzz-bank-file.txt";
  for (const BankFormat& format : builtInBankFormats()) {
    WriterInputs inputs;
    inputs.checks = &checks;
    inputs.vendors = &vendors;
    inputs.fileName = output.string();
    inputs.accountId = "123456789";
    inputs.bankId = "0042";
    inputs.bankCode = "0001 - NC";
    inputs.settings = &settings;
    inputs.now = DateTime{Date{2026, 12, 5}, 19, 5};
    WriterResult result = format.writer(inputs);
    if (!result.written) continue;
    std::ifstream in(output, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::string text = bytes.str();
    // Every line ends in CR LF and holds no other CR or LF.
    for (std::size_t at = 0; at < text.size(); ++at) {
      if (text[at] == '\r' && (at + 1 >= text.size() || text[at + 1] != '\n')) __builtin_trap();
      if (text[at] == '\n' && (at == 0 || text[at - 1] != '\r')) __builtin_trap();
    }
  }
  std::filesystem::remove(output);
  return 0;
}

// Any bytes as a custom format file, the JSON a colleague or a bank hands over. Reading must end
// with a format or a reason; a format read comes back the same through its own file and through
// the settings store; and the file it writes on a small report keeps every line whole: CR LF at
// its end and no other CR or LF, whatever texts the file's constants and codes hold.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "custom/custom_format_editor.h"
#include "custom/custom_format_file.h"
#include "custom/custom_writers.h"
#include "formats/output_file.h"
#include "quickbooks/check_fields.h"
#include "settings/memory_store.h"

namespace {
using namespace ppexport;

bool sameLine(const CustomLine& a, const CustomLine& b) {
  return a.fields == b.fields && a.lengths == b.lengths && a.texts == b.texts &&
         a.fills == b.fills && a.sides == b.sides;
}

bool sameFormat(const CustomFormat& a, const CustomFormat& b) {
  return a.name == b.name && a.voidValue == b.voidValue && a.dateFormat == b.dateFormat &&
         a.fixedLength == b.fixedLength && sameLine(a.header, b.header) &&
         sameLine(a.detail(), b.detail()) && sameLine(a.trailer, b.trailer);
}

// Every line ends in CR LF and holds no other CR or LF.
bool wholeLines(const std::string& text) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '\r' && (at + 1 >= text.size() || text[at + 1] != '\n')) return false;
    if (c == '\n' && (at == 0 || text[at - 1] != '\r')) return false;
  }
  return true;
}

// An issued check, a void with its amount and a void without one.
const char* const report =
    "Document Number\x01Name\x01" "Date\x01" "Bill 1\x01Name Type\x01" "Amount\x01"
    "Cleared\x01" "Description\r\n"
    "1001\x01" "Acme\x01" "03/05/2024\x01\x01Vendor\x01-12.50\x01Uncleared\x01\r\n"
    "1002\x01" "Bolt\x01" "03/06/2024\x01\x01Vendor\x01" "0\x01Uncleared\x01VOID: 8.00\r\n"
    "1003\x01" "Cask\x01" "03/07/2024\x01\x01Vendor\x01" "0\x01Cleared\x01VOID\r\n";
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const CustomFormatFileRead read =
      readCustomFormatFile(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!read.format) {
    if (read.error.empty()) __builtin_trap();  // a refusal names what is wrong
    return 0;
  }
  // The file the format gives reads back as the same format.
  const CustomFormatFileRead again = readCustomFormatFile(customFormatFile(*read.format));
  if (!again.format || !sameFormat(*again.format, *read.format)) __builtin_trap();

  MemorySettingsStore settings;
  CustomFormat saved = *read.format;
  if (!saveCustomFormat(settings, saved).saved()) return 0;
  const CustomFormat loaded = loadCustomFormat(settings, saved.name);
  if (!sameFormat(loaded, saved)) __builtin_trap();

  ReportTable checks;
  readReportText(report, fieldSeparator, checks);
  VendorIndex vendors;
  MemoryFiles files;
  WriterInputs inputs;
  inputs.checks = &checks;
  inputs.vendors = &vendors;
  inputs.fileName = "bank-file.txt";
  inputs.accountId = "123456789";
  inputs.bankId = "0042";
  inputs.remoteId = "ACME";
  inputs.batchId = "7";
  inputs.bankCode = "0001 - NC";
  inputs.settings = &settings;
  inputs.customFormatName = saved.name;
  inputs.now = DateTime{Date{2026, 12, 5}, 19, 5};
  const WriterResult result =
      saved.fixedLength ? writeCustomFixed(inputs) : writeCustomCsv(inputs);
  if (!result.written) return 0;
  const std::string* text = files.find(inputs.fileName);
  if (text == nullptr || !wholeLines(*text)) __builtin_trap();
  return 0;
}

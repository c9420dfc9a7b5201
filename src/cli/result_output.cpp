#include "cli/result_output.h"

#include <ostream>

#include "create/messages.h"
#include "create/review_file.h"
#include "text/windows1252.h"

namespace ppexport::cli {

namespace {
// A JSON string of UTF-8 text.
std::string jsonUtf8String(std::string_view text) {
  std::string json = "\"";
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (c == '\n') {
      json += "\\n";
    } else if (byte < 0x20 || byte == 0x7F) {
      static constexpr char hex[] = "0123456789abcdef";
      json += "\\u00";
      json += hex[byte >> 4];
      json += hex[byte & 0xF];
    } else {
      json += c;
    }
  }
  return json + "\"";
}

// A JSON string of Windows-1252 text.
std::string jsonString(std::string_view text) { return jsonUtf8String(windows1252ToUtf8(text)); }

std::string jsonTotal(const CheckTotal& total) {
  return "{\"count\":" + std::to_string(total.count) + ",\"cents\":" + std::to_string(total.cents) +
         "}";
}

}  // namespace

std::string resultJson(bool written, const FileSummary& summary, std::string_view path) {
  // The paths as the file system names them, not as the message shows them.
  std::string json = "{\"file\":" + jsonUtf8String(path);
  json += ",\"written\":";
  json += written ? "true" : "false";
  json += ",\"count\":" + std::to_string(written ? summary.count : 0);
  json += ",\"leftOut\":" + std::to_string(summary.leftOut);
  json += ",\"issued\":" + jsonTotal(summary.totals.issued);
  json += ",\"voided\":" + jsonTotal(summary.totals.voided);
  json += ",\"warnings\":[";
  for (std::size_t i = 0; i < summary.warnings.size(); ++i) {
    if (i > 0) json += ',';
    json += jsonString(summary.warnings[i]);
  }
  json += "],\"reviewFile\":";
  json += summary.reviewFile.empty() ? "null" : jsonUtf8String(reviewFilePath(path));
  json += ",\"message\":" + jsonString(withPlainLineBreaks(summary.message)) + "}";
  return json;
}

void printFileResult(const Console& console, bool json, bool written, const FileSummary& summary,
                     std::string_view path) {
  if (json) {
    console.out << resultJson(written, summary, path) << '\n';
  } else {
    console.print(written || summary.allSentBefore ? console.out : console.err, summary.message);
  }
}

}  // namespace ppexport::cli

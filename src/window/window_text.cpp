#include "window/window_text.h"

#include "text/windows1252.h"

namespace ppexport::window {

namespace {
void replaceAll(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty()) return;
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}
}  // namespace

std::string toCore(std::string_view text) { return utf8ToWindows1252(text); }

std::string fromCore(std::string_view bytes) { return windows1252ToUtf8(bytes); }

std::string messageText(std::string_view bytes) {
  std::string text = fromCore(bytes);
  replaceAll(text, "\r\n", "\n");
  return text;
}

std::string messageNamingFile(std::string_view bytes, std::string_view fileName) {
  std::string text = messageText(bytes);
  if (!fileName.empty()) replaceAll(text, messageText(fileName), fileName);
  return text;
}

std::string asciiUpperCase(std::string_view text) {
  std::string upper(text);
  for (char& byte : upper) {
    if (byte >= 'a' && byte <= 'z') byte = static_cast<char>(byte - 'a' + 'A');
  }
  return upper;
}

}  // namespace ppexport::window

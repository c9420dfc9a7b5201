#include "create/messages.h"

namespace ppexport {

std::string createdMessage(std::string_view fileName, int count) {
  std::string message = "Created ";
  message += fileName;
  message += " with " + std::to_string(count) + " check record";
  message += count == 1 ? "." : "s.";
  return message;
}

std::string createdWithReviewMessage(std::string_view createdMessage, bool reviewFileWritten) {
  std::string message(createdMessage);
  message += lineBreak;
  message += lineBreak;
  message += reviewFileWritten ? "Also created the file 'Positive Pay Review.csv' for your review."
                               : "But could not create 'Positive Pay Review.csv' for your review.";
  return message;
}

std::string couldNotCreateMessage(std::string_view fileName, std::string_view reason) {
  std::string message = "Could not create ";
  message += fileName;
  message += ".";
  message += lineBreak;
  message += lineBreak;
  message += reason;
  return message;
}

std::string withWarnings(std::string message, const std::vector<std::string>& warnings) {
  if (warnings.empty()) return message;
  message += lineBreak;
  for (const std::string& warning : warnings) {
    message += lineBreak;
    message += warning;
  }
  return message;
}

std::string withPlainLineBreaks(std::string_view message) {
  std::string plain;
  plain.reserve(message.size());
  for (std::size_t i = 0; i < message.size(); ++i) {
    if (message[i] == '\r' && i + 1 < message.size() && message[i + 1] == '\n') continue;
    plain.push_back(message[i]);
  }
  return plain;
}

}  // namespace ppexport

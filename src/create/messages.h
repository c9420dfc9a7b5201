#pragma once
// The texts the window shows after a Create, shared with the command line. Line breaks are CR LF.

#include <string>
#include <string_view>
#include <vector>

namespace ppexport {

inline constexpr std::string_view applicationTitle = "Positive Pay Export";
inline constexpr std::string_view lineBreak = "\r\n";

// "Created <file> with <count> check record(s)."
std::string createdMessage(std::string_view fileName, int count);

// The created message followed by an empty line and what became of the review file.
std::string createdWithReviewMessage(std::string_view createdMessage, bool reviewFileWritten);

// "Could not create <file>." followed by an empty line and the reason.
std::string couldNotCreateMessage(std::string_view fileName, std::string_view reason);

// message, then an empty line and one line per warning (message unchanged when there are none).
std::string withWarnings(std::string message, const std::vector<std::string>& warnings);

// The message with every CR LF as LF, for the command line.
std::string withPlainLineBreaks(std::string_view message);

}  // namespace ppexport

#pragma once
// The texts that a report export returns to the window: "Success", or an error text naming the
// failing step with the platform's error number and description. Lines end in CR LF.

#include <cstdint>
#include <string>
#include <string_view>

namespace ppexport {

inline constexpr std::string_view exportSucceeded = "Success";

// The QuickBooks automation objects are not registered on this computer.
std::string createInterfaceErrorText(std::int64_t number, std::string_view description);
// No running QuickBooks was found (or, for the stand-in, its company file cannot be read).
std::string findRunningCopyErrorText(std::int64_t number, std::string_view description);
// QuickBooks was found but its text export module could not be obtained.
// A company file that is there but is no company file (not JSON, empty, another kind): starting
// QuickBooks would not help, so the text says what is wrong instead.
std::string companyFileErrorText(std::int64_t number, std::string_view description);
std::string useConnectionErrorText(std::int64_t number, std::string_view description);
// The export call itself failed, so no report file can be trusted.
std::string exportingErrorText(std::int64_t number, std::string_view description);

// The message shown when the chart of accounts could not be exported. It says in words when
// QuickBooks is not installed or not running, and what to do ("..., then " + retry), before the
// error line.
std::string accountListErrorMessage(std::string_view exportResult,
                                    std::string_view retry = "run the command again");

}  // namespace ppexport

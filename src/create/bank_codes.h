#pragma once
// The bank codes that three bank formats take from a pick list: the window offers them, the command
// line checks a given code against them. Each entry is shown and saved as its full text; the
// writers take the code from its first characters.

#include <optional>
#include <span>
#include <string_view>

#include "settings/account_settings.h"

namespace ppexport {

// The pick list of a bank format, beginning with "<pick a bank code>" (noBankCodeChosen); empty
// for a format that takes no bank code. "Citibank - Standard Positive Pay", "Wells Fargo ASCII"
// and "Wachovia" take one.
std::span<const std::string_view> bankCodeList(std::string_view bankFormatName);

// The entry of the format's list that text names: the entry itself, or its code alone ("001" for
// "001 - NYB - New York Metro"); nothing for the placeholder, an empty text or a code not listed.
std::optional<std::string_view> bankCodeEntry(std::string_view bankFormatName,
                                              std::string_view text);

}  // namespace ppexport

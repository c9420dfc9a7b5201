#pragma once
// The Royal Bank of Canada file control number: a number of a few digits, kept in the settings
// store as "lastFCN" for the whole installation, that rises by one with every file of the format
// so that the bank can tell a new file from one it already has.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/regional.h"

namespace ppexport {

class SettingsStore;

inline constexpr std::string_view lastFileControlNumberKey = "lastFCN";

// The number that follows the stored one, as the last `width` characters of its digits: the stored
// number plus one ("9999" gives "0000", "0000" gives "1"), "1234" plus one when nothing is stored,
// and today's day number (days since 30 December 1899) when the stored text is not a whole number
// from 0 to 15 digits.
std::string followingFileControlNumber(const std::optional<std::string>& stored, const Date& today,
                                       std::size_t width);

// Reads "lastFCN", advances it and stores the new number in one step of the store, so that two
// copies of the program never hand out the same number. Nothing when the store failed; then the
// stored number is unchanged.
std::optional<std::string> nextFileControlNumber(SettingsStore& store, const Date& today,
                                                 std::size_t width);

}  // namespace ppexport

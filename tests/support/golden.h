#pragma once
// Comparing a written bank file with the lines it must hold, byte for byte.

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace ppexport::testing {

// The file holds exactly these lines, each ending in CR LF.
::testing::AssertionResult fileHoldsLines(const std::string& path,
                                          const std::vector<std::string>& lines);

// Every line of the file is `length` characters long.
::testing::AssertionResult everyLineIsLong(const std::string& path, std::size_t length);

}  // namespace ppexport::testing

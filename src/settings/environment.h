#pragma once
// The environment variables and per-user folders that the settings and the QuickBooks side read.

#include <string>

namespace ppexport {

// The value of the environment variable name; "" when it is not set.
std::string environmentValue(const char* name);

// The folder separator of the platform: "\" on Windows, "/" elsewhere.
const char* folderSeparator();

// folder + separator + name, with no second separator when folder already ends in one.
std::string pathInFolder(const std::string& folder, const std::string& name);

}  // namespace ppexport

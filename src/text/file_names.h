#pragma once
// File names as the core holds them: UTF-8 text on every platform. Windows' narrow file functions
// read names in the ANSI code page, so a name with an accented letter (a user folder such as
// C:\Users\Müller) is opened, tested and removed through the functions here, which take the wide
// functions on Windows.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace ppexport {

// The separator the system puts between a folder and a name: "\" on Windows, "/" elsewhere.
#ifdef _WIN32
inline constexpr char pathSeparator = '\\';
#else
inline constexpr char pathSeparator = '/';
#endif

// folder, the separator and name; folder unchanged when it already ends in a separator.
std::string joinPath(std::string_view folder, std::string_view name);

// The path object for a UTF-8 file name.
std::filesystem::path filePath(std::string_view name);
// A path object's name as UTF-8 text.
std::string fileName(const std::filesystem::path& path);

// std::fopen for a UTF-8 file name.
std::FILE* openFile(std::string_view name, const char* mode);

// The value of an environment variable as UTF-8; "" when it is not set.
std::string environmentVariable(const char* name);

// The folder the running program was started from, without a separator at the end; "" when the
// system does not tell.
std::string programFolder();

}  // namespace ppexport

#pragma once
// File names as the core holds them: UTF-8 text on every platform. Windows' narrow file functions
// read names in the ANSI code page, so a name with an accented letter (a user folder such as
// C:\Users\Müller) is opened, tested and removed through the functions here, which take the wide
// functions on Windows.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ppexport {

// The path object for a UTF-8 file name.
std::filesystem::path filePath(std::string_view name);
// A path object's name as UTF-8 text.
std::string fileName(const std::filesystem::path& path);

// True when the two names reach one file: the same file where both exist (also through links or
// another spelling), else the same path once made absolute and normal.
bool sameFile(std::string_view first, std::string_view second);

// True when name lies inside folder or is folder itself, by the paths made absolute and normal.
bool insideFolder(std::string_view name, std::string_view folder);

// The last part of a path, after its last slash or backslash: the name of the file itself.
std::string_view fileNamePart(std::string_view path);

// std::fopen for a UTF-8 file name.
std::FILE* openFile(std::string_view name, const char* mode);

// The whole content of a file named in UTF-8; nothing when it cannot be read (why, in problem).
std::optional<std::string> readFileBytes(const std::string& path, std::string& problem);

}  // namespace ppexport

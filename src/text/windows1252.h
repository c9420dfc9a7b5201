#pragma once
// Text as the bank files and QuickBooks reports hold it: Windows-1252 bytes, one byte a character.

#include <string>
#include <string_view>

namespace ppexport {

// Converts UTF-8 (the window's and the company file's text) to Windows-1252 bytes. A character that
// Windows-1252 cannot hold, and a byte sequence that is not UTF-8, becomes "?".
std::string utf8ToWindows1252(std::string_view utf8);

// Converts Windows-1252 bytes to UTF-8 for display. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD.
std::string windows1252ToUtf8(std::string_view bytes);

// Windows-1252 upper case, independent of the process locale: a-z, and the accented lower-case
// letters to their upper-case forms (including s-caron, oe, z-caron, y-diaeresis). Sharp s and the
// micro sign stay as they are.
char upperCase(char byte);
std::string upperCase(std::string_view text);

// Removes leading and trailing spaces (0x20) only; tabs and other characters stay.
std::string_view trimSpaces(std::string_view text);

// Replaces every control character (0x00 to 0x1F and 0x7F) by one space, so that a written value
// can never break its record into two lines.
std::string replaceControlCharacters(std::string_view text);

}  // namespace ppexport

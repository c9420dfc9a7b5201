#pragma once
// The models' UTF-8 texts and the core's Windows-1252 bytes.

#include <string>
#include <string_view>

namespace ppexport::window {

// A control's text as the core takes it; a character that Windows-1252 cannot hold becomes "?".
std::string toCore(std::string_view text);

// A core text (Windows-1252 bytes) for a control.
std::string fromCore(std::string_view bytes);

// A core message, whose lines end in CR LF, as the text of a message box (lines end in LF).
std::string messageText(std::string_view bytes);

// A core message that names a file: fileName (the path text given to the core, shown as it is)
// and the rest as Windows-1252.
std::string messageNamingFile(std::string_view bytes, std::string_view fileName);

// The text with a-z in upper case; every other byte stays.
std::string asciiUpperCase(std::string_view text);

}  // namespace ppexport::window

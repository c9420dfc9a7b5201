#pragma once
// The window's Unicode text and the core's Windows-1252 bytes.

#include <QString>
#include <string>
#include <string_view>

namespace ppexport::app {

// The text of a control as the core takes it; a character that Windows-1252 cannot hold becomes
// "?".
std::string toCore(const QString& text);

// A core text (Windows-1252 bytes) for a control.
QString fromCore(std::string_view bytes);

// A core message, whose lines end in CR LF, as the text of a message box.
QString messageText(std::string_view bytes);

// A file name as the core opens it: the platform's own path text (UTF-8 here, the ANSI code page
// on Windows), as the command line passes it too, so that the file lands under the name shown.
std::string toPath(const QString& path);
QString fromPath(std::string_view path);

// A core message that names a file: fileName (the path text given to the core) is shown as the
// window shows the path, and the rest as Windows-1252.
QString messageNamingFile(std::string_view bytes, std::string_view fileName);

// The text without its leading and trailing spaces (U+0020 only; tabs and other blanks stay).
QString trimSpaces(const QString& text);

}  // namespace ppexport::app

#pragma once
// Windows only: the core's UTF-8 text to and from the UTF-16 text of the Windows API, and the
// system's description of an error code.
#ifdef _WIN32

#include "text/windows_api.h"

#include <string>
#include <string_view>

namespace ppexport {

// UTF-8 to UTF-16; a malformed sequence becomes U+FFFD.
std::wstring widen(std::string_view utf8);
// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string narrow(std::wstring_view wide);

// The system's description of a Win32 error code or an HRESULT, as Windows-1252 text without the
// line break Windows ends it with; "" when the system has none.
std::string systemErrorDescription(DWORD code);

}  // namespace ppexport

#endif

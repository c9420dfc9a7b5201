#pragma once
// A custom format as a file to hand to a colleague (or to receive from a bank): a small JSON
// document with a version number, and the short field descriptions of the command line
// ("Check Number:10", "Constant:DRX", "File Date:YYYYMMDD:8", "Remote ID:20:spaces:right").

#include <optional>
#include <string>
#include <string_view>

#include "custom/custom_format.h"

namespace ppexport {

// The version of the custom format file this program writes and reads.
inline constexpr int customFormatFileVersion = 1;

// The format as a custom format file, UTF-8 JSON ending in a line break. Empty field positions and
// names that add nothing to a line are left out.
std::string customFormatFile(const CustomFormat& format);

// A custom format file read whole: the format, or the first thing wrong with the file.
struct CustomFormatFileRead {
  std::optional<CustomFormat> format;
  std::string error;  // "detail field 2: no length" and the like
};
CustomFormatFileRead readCustomFormatFile(std::string_view json);

// The same for the file at path (UTF-8 text); a file that cannot be read is named as such.
CustomFormatFileRead readCustomFormatFileAt(const std::string& path);

// Writes the format's file to path, whole or not at all. "" when written, otherwise the reason.
std::string writeCustomFormatFileAt(const CustomFormat& format, const std::string& path);

// The reason setFieldFromDescription gives for a name its line does not offer.
inline constexpr std::string_view noSuchFieldReason = "no such field";

// Puts a field described as NAME[:TEXT][:LENGTH][:zeros|spaces][:left|right] at position
// (0-based) of line; TEXT follows only a Constant (its text), a Status Code (its codes) and a
// File Date (its pattern). The name is matched without regard to case. Nothing, or the reason it
// is refused.
std::optional<std::string> setFieldFromDescription(CustomLine& line, CustomLineKind kind,
                                                   std::size_t position,
                                                   std::string_view description);

// The field at position (0-based) of line in that form; "" for an empty position.
std::string fieldDescription(const CustomLine& line, std::size_t position);

}  // namespace ppexport

#pragma once
// From a bank list entry to the writer that writes its file.

#include <string>
#include <string_view>

#include "formats/writer.h"

namespace ppexport {

// The custom format named by a bank list entry ("Custom Format: " then the name, trimmed), or
// nothing when the entry does not begin with that prefix exactly.
std::optional<std::string> customFormatName(std::string_view bankListText);

// Whether the entry's file is comma-separated (a .csv file) rather than a text file: the
// built-in CSV formats, and a custom format whose CSV flag is set or missing.
bool writesCommaSeparated(std::string_view bankListText, SettingsStore* settings);

// Runs the writer of the entry: a built-in format by its exact name, or a custom format, whose CSV
// flag (missing counts as true) picks the comma-separated or the fixed-length writer. An entry
// that names no format runs no writer: count 0, nothing written, no failure.
WriterResult runFormatWriter(std::string_view bankListText, WriterInputs inputs);

}  // namespace ppexport

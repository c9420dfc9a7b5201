#pragma once
// How `create` and `convert` print the result of a bank file: the message, or with --json one
// object for scripts.

#include <string>
#include <string_view>

#include "cli/commands.h"
#include "create/result_summary.h"

namespace ppexport::cli {

// Prints a written file's result: its message on standard output, or the JSON object. A file that
// could not be written (written false) has only its message, which goes to standard error as text.
// path is the bank file's path as given (UTF-8), which the JSON object carries as it is.
void printFileResult(const Console& console, bool json, bool written, const FileSummary& summary,
                     std::string_view path);

// The JSON object of a result (UTF-8, one line).
std::string resultJson(bool written, const FileSummary& summary, std::string_view path);

}  // namespace ppexport::cli

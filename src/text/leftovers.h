#pragma once
// What a run that ended without cleaning up (a crash, a kill) leaves: the temporary files and
// folders every run names after its process. A later run removes them once they are old enough
// that no running copy can still be writing them.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ppexport {

// The id of this process, which the names of its temporary files and folders carry.
int processId();

// The end of a temporary name of this process, "ppexport-<process id>-XXXXXX", for mkstemp or
// mkdtemp to fill in.
std::string temporaryNameEnd();

// Removes what runs that ended left in folder: the files and folders whose names end as
// temporaryNameEnd() made them, once leftByEndedRun holds for them.
void removeLeftovers(const std::filesystem::path& folder);

// The process id in a temporary name: the digits between the last two occurrences of separator
// before the name's end ("tmp-20261205-190500-4711-1" gives 4711); nothing when there are none.
std::optional<int> processOfTemporaryName(std::string_view name, char separator = '-');

// True when the temporary file or folder at path, made by process pid, was left by a run that
// ended: it is older than an hour and that process no longer runs (on Windows, where no process
// is asked, a file that a running copy still holds open cannot be removed).
bool leftByEndedRun(const std::filesystem::path& path, int pid);

}  // namespace ppexport

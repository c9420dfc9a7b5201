#pragma once
// Runs the command line program `ppexport` as a separate process, as a script would.

#include <string>
#include <vector>

namespace ppexport::testing {

struct ProgramRun {
  int exitStatus = -1;  // -1 when the program could not be started or did not exit normally
  std::string out;      // standard output
  std::string err;      // standard error
};

// Runs the built `ppexport` with arguments, passed as they are (no shell), and waits for it; input
// is its standard input (where a question is answered; on Windows the test's own).
ProgramRun runPpexport(const std::vector<std::string>& arguments, const std::string& input = {});

}  // namespace ppexport::testing

#pragma once
// The programs of the system's OpenSSH client (sftp, ssh-keyscan), run as child processes: no
// SSH code of our own handles keys or the network. The window and the command line run them
// through Programs, which tests replace with a fake.

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace ppexport {

struct ProgramRun {
  bool started = false;   // false: the program could not be started (failure says why)
  bool timedOut = false;  // it ran past its time limit and was ended
  int exitCode = -1;
  std::string output;     // what it wrote to standard output and standard error, together
  std::string failure;
};

class Programs {
 public:
  virtual ~Programs() = default;
  // Runs arguments[0] with the rest as its arguments, no shell between, standard input empty;
  // ends it (and what it started) once limit has passed.
  virtual ProgramRun run(const std::vector<std::string>& arguments,
                         std::chrono::milliseconds limit) = 0;
};

// The programs of this computer.
class SystemPrograms final : public Programs {
 public:
  ProgramRun run(const std::vector<std::string>& arguments,
                 std::chrono::milliseconds limit) override;
};

// What SystemPrograms runs a program with, one for each platform (arguments not empty).
ProgramRun runSystemProgram(const std::vector<std::string>& arguments,
                            std::chrono::milliseconds limit);

// The file of an OpenSSH client program (name without ".exe"): on Windows the one Windows ships,
// %SystemRoot%\System32\OpenSSH\name.exe where it is installed, else name.exe from the PATH;
// elsewhere name, found on the PATH.
std::string opensshProgram(std::string_view name);
// The Windows file in a system root ("C:\Windows").
std::string windowsOpensshProgram(std::string_view name, std::string_view systemRoot);

// The command line Windows hands a program so that it reads arguments back exactly (the quoting
// CommandLineToArgvW and the C runtime undo): an argument with a space, a tab or a quote is
// quoted, quotes in it escaped, and backslashes doubled where they stand before a quote.
std::string windowsCommandLine(const std::vector<std::string>& arguments);

}  // namespace ppexport

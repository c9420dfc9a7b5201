#include "support/run_program.h"

#include <cstdlib>

#include "support/scoped_variable.h"
#include "support/temp_folder.h"

#ifdef _WIN32
#include "text/wide_text.h"
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#endif

namespace ppexport::testing {

namespace {
// A program run by a test keeps its sent-file history in a folder of the test run, never in the
// user's own, unless the test names one.
void keepHistoryInTheTestRun() {
  static TempFolder history;
  static std::optional<ScopedVariable> variable;
  const char* named = std::getenv("PPEXPORT_HISTORY");
  if (named == nullptr || *named == '\0') variable.emplace("PPEXPORT_HISTORY", history.path().string());
}
}  // namespace

#ifdef _WIN32

namespace {

// One argument as the program's CommandLineToArgvW will split it back: quoted when it is empty or
// holds a space, tab or quote; backslashes doubled only before a quote.
std::wstring quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring text = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    text.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    text += c;
  }
  text.append(backslashes * 2, L'\\');
  return text + L"\"";
}

HANDLE inheritableFile(const std::string& path) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileW(widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ProgramRun runPpexport(const std::vector<std::string>& arguments, const std::string&) {
  keepHistoryInTheTestRun();
  TempFolder folder;
  const std::string outFile = folder.file("out.txt");
  const std::string errFile = folder.file("err.txt");
  std::wstring commandLine = quoted(widen(PPEXPORT_BINARY));
  for (const std::string& argument : arguments) commandLine += L" " + quoted(widen(argument));

  ProgramRun run;
  HANDLE out = inheritableFile(outFile);
  HANDLE err = inheritableFile(errFile);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  if (out != INVALID_HANDLE_VALUE && err != INVALID_HANDLE_VALUE &&
      CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                     &startup, &process)) {
    DWORD status = 0;
    if (WaitForSingleObject(process.hProcess, INFINITE) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(process.hProcess, &status)) {
      run.exitStatus = static_cast<int>(status);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
  if (err != INVALID_HANDLE_VALUE) CloseHandle(err);
  run.out = readBytes(outFile);
  run.err = readBytes(errFile);
  return run;
}

#else

ProgramRun runPpexport(const std::vector<std::string>& arguments, const std::string& input) {
  keepHistoryInTheTestRun();
  TempFolder folder;
  const std::string outFile = folder.file("out.txt");
  const std::string errFile = folder.file("err.txt");
  const std::string inFile = folder.file("in.txt");
  writeBytes(inFile, input);
  std::vector<std::string> words{PPEXPORT_BINARY};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, inFile.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  ProgramRun run;
  pid_t child = 0;
  if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    if (waitpid(child, &status, 0) == child && WIFEXITED(status)) {
      run.exitStatus = WEXITSTATUS(status);
    }
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = readBytes(outFile);
  run.err = readBytes(errFile);
  return run;
}

#endif

}  // namespace ppexport::testing

// Child processes on Windows: CreateProcessW with both output streams on one pipe, read on a
// thread of its own while the program runs; a job object ends it and what it started (sftp starts
// ssh) once the time limit is up.
#ifdef _WIN32
#include <thread>

#include "text/wide_text.h"  // windows.h
#include "transfer/programs.h"

namespace ppexport {

namespace {
std::string lastErrorText() {
  const DWORD code = GetLastError();
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                     FORMAT_MESSAGE_IGNORE_INSERTS,
                 nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string reason = text != nullptr ? narrow(text) : "error " + std::to_string(code);
  if (text != nullptr) LocalFree(text);
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) reason.pop_back();
  return reason;
}
}  // namespace

ProgramRun runSystemProgram(const std::vector<std::string>& arguments,
                            std::chrono::milliseconds limit) {
  ProgramRun run;
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherited, 0)) {
    run.failure = lastErrorText();
    return run;
  }
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  HANDLE nothing = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               &inherited, OPEN_EXISTING, 0, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nothing;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  std::wstring commandLine = widen(windowsCommandLine(arguments));
  const std::wstring program = widen(arguments[0]);
  // A program named with a folder is started as named; a bare name is looked for on the PATH.
  const bool named = arguments[0].find_first_of("\\/") != std::string::npos;
  PROCESS_INFORMATION process{};
  const BOOL created = CreateProcessW(named ? program.c_str() : nullptr, commandLine.data(),
                                      nullptr, nullptr, TRUE,
                                      CREATE_NO_WINDOW | CREATE_SUSPENDED, nullptr, nullptr,
                                      &startup, &process);
  if (!created) run.failure = lastErrorText();
  CloseHandle(writeEnd);
  if (nothing != INVALID_HANDLE_VALUE) CloseHandle(nothing);
  if (!created) {
    CloseHandle(readEnd);
    return run;
  }
  run.started = true;
  HANDLE job = CreateJobObjectW(nullptr, nullptr);
  if (job != nullptr) AssignProcessToJobObject(job, process.hProcess);
  ResumeThread(process.hThread);
  CloseHandle(process.hThread);
  std::thread reader([&run, readEnd] {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
      run.output.append(buffer, got);
    }
  });
  if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(limit.count())) == WAIT_TIMEOUT) {
    run.timedOut = true;
    if (job != nullptr) TerminateJobObject(job, 1);
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, INFINITE);
  }
  // What the program started may still hold the pipe: it is ended with the job.
  if (job != nullptr) TerminateJobObject(job, 1);
  reader.join();
  DWORD exitCode = 0;
  if (!run.timedOut && GetExitCodeProcess(process.hProcess, &exitCode)) {
    run.exitCode = static_cast<int>(exitCode);
  }
  CloseHandle(process.hProcess);
  CloseHandle(readEnd);
  if (job != nullptr) CloseHandle(job);
  return run;
}

}  // namespace ppexport
#endif

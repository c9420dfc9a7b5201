#include "support/run_program.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "support/temp_folder.h"

namespace ppexport::testing {

ProgramRun runPpexport(const std::vector<std::string>& arguments) {
  TempFolder folder;
  const std::string outFile = folder.file("out.txt");
  const std::string errFile = folder.file("err.txt");
  std::vector<std::string> words{PPEXPORT_BINARY};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
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

}  // namespace ppexport::testing

#include "cli/commands.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "text/wide_text.h"  // windows.h, which shellapi.h needs first
#include <shellapi.h>

// Windows hands main() its arguments in the ANSI code page, which loses every character outside
// it; the core takes file names and texts as UTF-8, so the arguments come from the wide command
// line. What the program prints is UTF-8 as well, and the console is told so; its lines end in a
// plain LF as on every platform, so the streams do not turn LF into CR LF.
int main() {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide != nullptr && i < count; ++i) arguments.push_back(ppexport::narrow(wide[i]));
  if (wide != nullptr) LocalFree(wide);
  SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  return ppexport::cli::run(arguments, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) { return ppexport::cli::run(argc, argv); }
#endif

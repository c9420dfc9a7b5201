// ppexport-gui: the bookkeeper's window on the core, as a Windows program.
//   ppexport-gui.exe [--company FILE] [--now YYYY-MM-DD[THH:MM]] [--settings FILE]

#include <string>
#include <string_view>
#include <vector>

#include "create/messages.h"
#include "quickbooks/automation.h"
#include "text/windows1252.h"
#include "text/wide_text.h"  // windows.h, which commctrl.h and shellapi.h need first
#include <commctrl.h>
#include <shellapi.h>

#include "win32/busy_pointer.h"
#include "win32/dpi.h"
#include "win32/main_window.h"
#include "win32/message_boxes.h"
#include "win32/save_file_dialog.h"
#include "win32/shell_document_viewer.h"
#include "window/program_services.h"

namespace {
using ppexport::narrow;
using ppexport::widen;

// The wide command line as UTF-8 arguments, without the program's name.
std::vector<std::string> commandLineArguments() {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide != nullptr && i < count; ++i) arguments.push_back(narrow(wide[i]));
  if (wide != nullptr) LocalFree(wide);
  return arguments;
}

// Reads the options; error says what is wrong with them.
ppexport::window::ProgramOptions readOptions(const std::vector<std::string>& arguments,
                                             std::string& error) {
  ppexport::window::ProgramOptions options;
  const std::pair<std::string_view, std::string*> named[] = {
      {"--settings", &options.settingsFile},
      {"--company", &options.companyFile},
      {"--now", &options.now}};
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    bool known = false;
    for (const auto& [name, value] : named) {
      if (argument == name && i + 1 < arguments.size()) {
        *value = arguments[++i];
        known = true;
      } else if (argument.size() > name.size() && argument.starts_with(name) &&
                 argument[name.size()] == '=') {
        *value = argument.substr(name.size() + 1);
        known = true;
      }
      if (known) break;
    }
    if (!known) {
      error = "Unknown option \"" + argument +
              "\". ppexport-gui takes --company FILE, --now YYYY-MM-DD[THH:MM] and "
              "--settings FILE.";
      return options;
    }
  }
  return options;
}

int refuseToStart(const std::string& reason) {
  MessageBoxW(nullptr, widen(reason).c_str(),
              widen(ppexport::windows1252ToUtf8(ppexport::applicationTitle)).c_str(),
              MB_OK | MB_ICONERROR);
  return 2;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  using namespace ppexport::win32;
  becomeDpiAware();
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // The file dialog and Word's automation want a single-threaded apartment for this thread.
  const ppexport::ComApartment apartment;

  std::string error;
  const ppexport::window::ProgramOptions options = readOptions(commandLineArguments(), error);
  if (!error.empty()) return refuseToStart(error);
  const ppexport::window::ProgramServices program(options);
  if (!program.error().empty()) return refuseToStart(program.error());

  // The Windows dialogs, the hourglass and the program Windows opens the help document with.
  Win32MessageBoxes messages;
  SaveFileDialog files;
  Win32BusyPointer busy;
  ShellDocumentViewer documents;
  ppexport::window::WindowServices services = program.windowServices();
  services.messages = &messages;
  services.files = &files;
  services.busy = &busy;
  services.documents = &documents;

  MainWindow window(services);
  if (!window.open(showCommand)) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.dialogMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

#include "win32/save_file_dialog.h"

#include "text/windows_api.h"  // windows.h, which commdlg.h and cderr.h need first
#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "text/wide_text.h"
#include "win32/modal_dialog.h"

namespace ppexport::win32 {

namespace {
// Long enough for any path that Windows can open.
constexpr std::size_t fileNameCapacity = 32768;
}  // namespace

std::wstring dialogFilter(const std::vector<std::wstring>& descriptions) {
  std::wstring filter;
  for (const std::wstring& description : descriptions) {
    std::wstring pattern = L"*.*";
    const std::size_t open = description.rfind(L'(');
    const std::size_t close = description.rfind(L')');
    if (open != std::wstring::npos && close != std::wstring::npos && close > open + 1) {
      pattern = description.substr(open + 1, close - open - 1);
    }
    filter += description;
    filter += L'\0';
    filter += pattern;
    filter += L'\0';
  }
  return filter;  // the string's own terminator is the second null
}

std::string commonDialogErrorDescription(unsigned long code) {
  switch (code) {
    case CDERR_DIALOGFAILURE:
      return "The dialog box could not be created.";
    case CDERR_INITIALIZATION:
      return "The dialog box could not be set up; memory may be low.";
    case CDERR_MEMALLOCFAILURE:
    case CDERR_MEMLOCKFAILURE:
      return "Not enough memory for the dialog box.";
    case CDERR_LOADRESFAILURE:
    case CDERR_FINDRESFAILURE:
    case CDERR_LOADSTRFAILURE:
      return "A resource of the dialog box could not be loaded.";
    case FNERR_BUFFERTOOSMALL:
      return "The file name is too long.";
    case FNERR_INVALIDFILENAME:
      return "The file name is not valid.";
    case FNERR_SUBCLASSFAILURE:
      return "Not enough memory to subclass the list box.";
    default:
      return "The dialog box failed.";
  }
}

window::FileChoice SaveFileDialog::chooseFile(const window::FileDialogSettings& settings) {
  const std::wstring title = widen(settings.title);
  std::vector<std::wstring> descriptions;
  for (const std::string& description : settings.filters) {
    descriptions.push_back(widen(description));
  }
  const std::wstring filter = dialogFilter(descriptions);
  const std::wstring startFolder = widen(settings.startFolder);
  std::vector<wchar_t> file(fileNameCapacity, L'\0');
  const std::wstring initial = widen(settings.initialFileName);
  initial.copy(file.data(), std::min(initial.size(), file.size() - 1));

  const ModalDialogScope modal;
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = modal.owner();
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = startFolder.empty() ? nullptr : startFolder.c_str();
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  // No default extension: the model gives a name without one the extension of its file type.
  dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                 OFN_NOCHANGEDIR | (settings.askBeforeReplacing ? OFN_OVERWRITEPROMPT : 0);

  window::FileChoice choice;
  if (GetSaveFileNameW(&dialog) != FALSE) {
    choice.outcome = window::FileChoice::Outcome::Chosen;
    choice.path = narrow(file.data());
    return choice;
  }
  const DWORD error = CommDlgExtendedError();
  if (error == 0) {
    choice.outcome = window::FileChoice::Outcome::Cancelled;
    return choice;
  }
  choice.outcome = window::FileChoice::Outcome::Failed;
  choice.errorNumber = static_cast<int>(error);
  choice.errorDescription = commonDialogErrorDescription(error);
  return choice;
}

}  // namespace ppexport::win32

#include "win32/message_boxes.h"

#include "text/wide_text.h"
#include "win32/modal_dialog.h"

namespace ppexport::win32 {

namespace {
// The model separates lines with LF; a message box shows CR LF as one line break, as it should.
std::wstring withWindowsLineBreaks(const std::string& text) {
  std::wstring wide;
  for (wchar_t character : widen(text)) {
    if (character == L'\n' && (wide.empty() || wide.back() != L'\r')) wide += L'\r';
    wide += character;
  }
  return wide;
}
}  // namespace

unsigned messageBoxIconStyle(window::MessageBoxIcon icon) {
  switch (icon) {
    case window::MessageBoxIcon::None:
      return 0;
    case window::MessageBoxIcon::Information:
      return MB_ICONINFORMATION;
    case window::MessageBoxIcon::Warning:
      return MB_ICONWARNING;
    case window::MessageBoxIcon::Critical:
      return MB_ICONERROR;
    case window::MessageBoxIcon::Stop:
      return MB_ICONSTOP;
  }
  return 0;
}

void Win32MessageBoxes::show(const window::MessageBoxRequest& message) {
  const ModalDialogScope modal;
  MessageBoxW(modal.owner(), withWindowsLineBreaks(message.text).c_str(),
              widen(message.title).c_str(), MB_OK | messageBoxIconStyle(message.icon));
}

}  // namespace ppexport::win32

namespace ppexport::win32 {

bool Win32MessageBoxes::ask(const window::MessageBoxRequest& question) {
  const ModalDialogScope modal;
  return MessageBoxW(modal.owner(), withWindowsLineBreaks(question.text).c_str(),
                     widen(question.title).c_str(),
                     MB_YESNO | MB_DEFBUTTON2 | messageBoxIconStyle(question.icon)) == IDYES;
}

}  // namespace ppexport::win32

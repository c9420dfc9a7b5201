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

window::MessageBoxAnswer Win32MessageBoxes::show(const window::MessageBoxRequest& message) {
  using enum window::MessageBoxAnswer;
  UINT buttons = MB_OK;
  if (message.buttons == window::MessageBoxButtons::YesNo) buttons = MB_YESNO;
  if (message.buttons == window::MessageBoxButtons::RetryCancel) buttons = MB_RETRYCANCEL;
  const ModalDialogScope modal;
  const int answer =
      MessageBoxW(modal.owner(), withWindowsLineBreaks(message.text).c_str(),
                  widen(message.title).c_str(), buttons | messageBoxIconStyle(message.icon));
  switch (answer) {
    case IDOK:
      return Ok;
    case IDYES:
      return Yes;
    case IDRETRY:
      return Retry;
    default:
      return message.buttons == window::MessageBoxButtons::YesNo ? No : Cancel;
  }
}

}  // namespace ppexport::win32

#pragma once
// The window models' message boxes as Windows message boxes: one OK button, the icon the model
// asks for, modal to the window the user is in.

#include "window/window_services.h"

namespace ppexport::win32 {

class Win32MessageBoxes final : public window::MessageBoxes {
 public:
  window::MessageBoxAnswer show(const window::MessageBoxRequest& message) override;
};

// The MB_ICON... style of a model's icon; 0 for none.
unsigned messageBoxIconStyle(window::MessageBoxIcon icon);

}  // namespace ppexport::win32

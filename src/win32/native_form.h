#pragma once
// The native controls of one window, made from its model's controls and kept equal to them.
//
// Every Control of a window model becomes one standard control (STATIC, EDIT, COMBOBOX, BUTTON),
// made in the model's order, which is the design's tab order, at its design place converted
// from twips for the window's DPI. After each event the window hands to its model, update()
// copies what changed from the model into the controls; the notifications that this copying
// raises are not events of the user and are not passed back (updating()).

#include <string>
#include <vector>

#include "text/windows_api.h"
#include "win32/gdi_owners.h"
#include "window/controls.h"

namespace ppexport::win32 {

class NativeForm {
 public:
  // The command identifier of the first control; the others follow in order.
  static constexpr int firstControlId = 1000;

  // Makes the controls of model in window (whose DPI they are placed for) and shows their state.
  void create(HWND window, const std::vector<window::Control>& model);
  // Copies into the controls what differs from model: texts, list entries, selection, check
  // state, visibility, enabled state and place.
  void update(const std::vector<window::Control>& model);
  // Places the controls and sets the dialog font again for the window's DPI (after a move to a
  // monitor of another DPI).
  void changeDpi();

  // True while update() is changing the controls.
  bool updating() const { return updating_ != 0; }
  unsigned dpi() const { return dpi_; }
  // The index in the model of the control with a command identifier; -1 when none.
  int indexOf(int commandId) const;
  int indexOf(HWND control) const;
  HWND handle(int index) const { return handles_[static_cast<std::size_t>(index)]; }
  const window::Control& shown(int index) const { return shown_[static_cast<std::size_t>(index)]; }
  // The first control the keyboard reaches.
  HWND firstTabStop() const;

  // WM_DRAWITEM of the picture, the rule lines and the status line; false for other controls.
  bool drawItem(const DRAWITEMSTRUCT& item) const;

 private:
  void place(int index);
  RECT pixelRect(int index) const;
  void setDialogFont();

  HWND window_ = nullptr;
  unsigned dpi_ = 96;
  std::vector<HWND> handles_;
  std::vector<window::Control> shown_;  // what the controls show, as last copied from the model
  FontOwner font_;
  BrushOwner ruleBrush_;
  BrushOwner noticeBrush_;
  int updating_ = 0;
};

// The text of a window or control.
std::wstring windowText(HWND window);

}  // namespace ppexport::win32

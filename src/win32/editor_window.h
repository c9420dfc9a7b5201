#pragma once
// The custom format editor `CustomFormat` as a Windows window on its model. It stands beside the
// main window without blocking it; its window is made when the editor opens and destroyed when
// it closes.

#include "text/windows_api.h"
#include "win32/gdi_owners.h"
#include "win32/native_form.h"
#include "win32/window_frame.h"
#include "window/custom_format_model.h"

namespace ppexport::win32 {

class MainWindow;

class EditorWindow {
 public:
  explicit EditorWindow(MainWindow& mainWindow) : main_(mainWindow) {}
  ~EditorWindow() { close(); }
  EditorWindow(const EditorWindow&) = delete;
  EditorWindow& operator=(const EditorWindow&) = delete;

  // Makes the window for model when it is closed, shows it and makes it the active window.
  void open(window::CustomFormatModel& model);
  void close();
  // Copies the model into the controls.
  void update(window::CustomFormatModel& model);

  bool isOpen() const { return window_ != nullptr; }
  HWND handle() const { return window_; }
  // A control of the editor; null while it is closed.
  HWND control(window::CustomFormatControl id) const;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void command(int id, int notification);
  void fitClientArea(window::Size clientSize);
  window::CustomFormatModel* model();

  MainWindow& main_;
  NativeForm form_;
  HWND window_ = nullptr;
  IconOwner bigIcon_;
  IconOwner smallIcon_;
  window::Size clientSize_;
  FocusKeeper focusKeeper_;
};

}  // namespace ppexport::win32

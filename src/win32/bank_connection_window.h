#pragma once
// The Bank connection dialog as a Windows window on its model: the native controls of the model's
// controls, modal over the main window. run() returns once the model has closed.

#include <functional>

#include "text/windows_api.h"
#include "win32/gdi_owners.h"
#include "win32/native_form.h"
#include "window/bank_connection_model.h"

namespace ppexport::win32 {

class BankConnectionWindow {
 public:
  explicit BankConnectionWindow(window::BankConnectionModel& model) : model_(model) {}
  ~BankConnectionWindow();
  BankConnectionWindow(const BankConnectionWindow&) = delete;
  BankConnectionWindow& operator=(const BankConnectionWindow&) = delete;

  // Shows the dialog over owner, which it disables with the program's other windows, and runs
  // its messages until the model closes; shown, when set, is called once the dialog is up.
  void run(HWND owner, const std::function<void(BankConnectionWindow&)>& shown = {});

  HWND handle() const { return window_; }
  HWND control(window::BankConnectionControl id) const;

 private:
  template <class T>
  friend LRESULT CALLBACK objectWindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void command(int id, int notification);
  // Copies the model into the controls; destroys the window once the model has closed.
  void update();
  void fitClientArea();

  window::BankConnectionModel& model_;
  NativeForm form_;
  HWND window_ = nullptr;
  IconOwner bigIcon_;
  IconOwner smallIcon_;
};

}  // namespace ppexport::win32

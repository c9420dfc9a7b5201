#pragma once
// The "Bank connection" dialog, without a toolkit: where the account's bank files are sent (the
// bank's SFTP server as sftp://user@host:port/folder and the private key file the bank set up),
// and the server's host key, read once and shown by its fingerprint so that the user can compare
// it with the one the bank gives before it is saved and pinned.
//
// How a view binds: on WindowObserver::bankConnectionOpened() it shows a modal dialog titled
// caption(), of clientSize(), with one native control per entry of controls() (as the main
// window's); on a user event it calls textChanged / clicked, and closeBox() for its close box;
// then it copies every Control into the native controls. Once closed() it closes. Texts UTF-8.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "transfer/bank_connection.h"
#include "window/controls.h"
#include "window/window_services.h"

namespace ppexport::window {

enum class BankConnectionControl {
  addressLabel,
  address,
  keyFileLabel,
  keyFile,
  browseKey,
  readHostKey,
  hostKey,  // what was read of the server's host key, or how to read it
  Line1,
  save,
  cancel,
  count
};

inline constexpr int controlIndex(BankConnectionControl control) {
  return static_cast<int>(control);
}

class BankConnectionModel {
 public:
  // For account (the account box's text); saved is called once the connection is saved.
  BankConnectionModel(const WindowServices& services, const std::string& account,
                      std::function<void()> saved);

  const std::string& caption() const { return caption_; }
  Size clientSize() const;
  const std::vector<Control>& controls() const { return controls_; }
  const Control& control(BankConnectionControl id) const {
    return controls_[controlIndex(id)];
  }
  bool closed() const { return closed_; }

  void textChanged(BankConnectionControl id, std::string_view text);
  void clicked(BankConnectionControl id);
  void closeBox() { closed_ = true; }

 private:
  Control& at(BankConnectionControl id) { return controls_[controlIndex(id)]; }
  void forgetHostKey();
  void browseKey_Click();
  void readHostKey_Click();
  void save_Click();
  void showMessage(MessageBoxIcon icon, std::string text);

  WindowServices services_;
  std::string account_;  // Windows-1252
  std::function<void()> saved_;
  std::string caption_;
  std::vector<Control> controls_;
  std::optional<BankConnection> read_;  // the connection whose host key was read
  bool closed_ = false;
};

}  // namespace ppexport::window

#include "window/bank_connection_model.h"

#include <cctype>

#include "create/messages.h"
#include "transfer/host_key_scan.h"
#include "window/window_text.h"

namespace ppexport::window {

namespace {
constexpr int clientWidth = 6600;
constexpr int clientHeight = 2775;

constexpr std::string_view hostKeyHint =
    "Press \"Read host key\" to read the server's host key, and compare its fingerprint with "
    "the one your bank gave you before you save.";
}  // namespace

using enum BankConnectionControl;

BankConnectionModel::BankConnectionModel(const WindowServices& services,
                                         const std::string& account, std::function<void()> saved)
    : services_(services), account_(toCore(account)), saved_(std::move(saved)) {
  caption_ = "Bank connection - " + account;
  struct Design {
    BankConnectionControl id;
    ControlKind kind;
    std::string_view name;
    Rect place;
    std::string_view text = {};
  };
  using enum ControlKind;
  const Design designs[] = {
      {addressLabel, Label, "addressLabel", {120, 180, 1200, 255}, "Server"},
      {address, TextBox, "address", {1380, 120, 5100, 315}},
      {keyFileLabel, Label, "keyFileLabel", {120, 600, 1200, 255}, "Key file"},
      {keyFile, TextBox, "keyFile", {1380, 540, 3975, 315}},
      {browseKey, Button, "browseKey", {5400, 510, 1080, 375}, "Browse"},
      {readHostKey, Button, "readHostKey", {1380, 960, 1800, 375}, "Read host key"},
      {hostKey, Label, "hostKey", {1380, 1440, 5100, 615}, hostKeyHint},
      {Line1, Line, "Line1", {10, 2160, 6580, 15}},
      {save, Button, "save", {4200, 2280, 1080, 375}, "Save"},
      {cancel, Button, "cancel", {5400, 2280, 1080, 375}, "Cancel"},
  };
  controls_.resize(static_cast<std::size_t>(BankConnectionControl::count));
  for (const Design& design : designs) {
    Control& made = at(design.id);
    made.kind = design.kind;
    made.name = design.name;
    made.place = design.place;
    made.text = std::string(design.text);
  }
  at(hostKey).wordWrap = true;
  at(addressLabel).labelFor = controlIndex(address);
  at(keyFileLabel).labelFor = controlIndex(keyFile);
  at(save).enabled = false;
  if (services_.settings != nullptr) {
    if (std::optional<BankConnection> stored = getBankConnection(*services_.settings, account_)) {
      at(address).text = sftpAddress(*stored);
      at(keyFile).text = stored->keyFile;
      at(hostKey).text = "Saved host key: " + stored->hostKeyFingerprint + ".";
    }
  }
}

Size BankConnectionModel::clientSize() const { return {clientWidth, clientHeight}; }

void BankConnectionModel::showMessage(MessageBoxIcon icon, std::string text) {
  if (services_.messages == nullptr) return;
  services_.messages->show({icon, fromCore(applicationTitle), std::move(text)});
}

void BankConnectionModel::forgetHostKey() {
  read_.reset();
  at(save).enabled = false;
  at(hostKey).text = std::string(hostKeyHint);
}

void BankConnectionModel::textChanged(BankConnectionControl id, std::string_view text) {
  if (id != BankConnectionControl::address && id != BankConnectionControl::keyFile) return;
  at(id).text = std::string(text);
  // A key read for another address or key file is not the one to save.
  forgetHostKey();
}

void BankConnectionModel::clicked(BankConnectionControl id) {
  switch (id) {
    case BankConnectionControl::browseKey:
      browseKey_Click();
      break;
    case BankConnectionControl::readHostKey:
      readHostKey_Click();
      break;
    case BankConnectionControl::save:
      save_Click();
      break;
    case BankConnectionControl::cancel:
      closed_ = true;
      break;
    default:
      break;
  }
}

void BankConnectionModel::browseKey_Click() {
  if (services_.files == nullptr) return;
  const FileChoice choice = services_.files->chooseFile(
      {"Private key file", {"All Files"}, control(BankConnectionControl::keyFile).text, {}});
  if (choice.outcome != FileChoice::Outcome::Chosen) return;
  textChanged(BankConnectionControl::keyFile, choice.path);
}

void BankConnectionModel::readHostKey_Click() {
  std::string problem;
  std::optional<BankConnection> connection =
      parseSftpAddress(control(BankConnectionControl::address).text, problem);
  if (!connection) {
    problem[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(problem[0])));
    showMessage(MessageBoxIcon::Warning, problem + ".");
    return;
  }
  if (services_.programs == nullptr) return;
  connection->keyFile = control(BankConnectionControl::keyFile).text;
  HostKeyScan scan;
  {
    BusyScope busy(services_.busy);
    scan = scanHostKeys(*services_.programs, *connection);
  }
  const ScannedHostKey* chosen = chosenHostKey(scan, "");
  if (chosen == nullptr) {
    forgetHostKey();
    showMessage(MessageBoxIcon::Critical, fromCore(scan.failure));
    return;
  }
  connection->hostKey = chosen->key;
  connection->hostKeyFingerprint = chosen->fingerprint;
  read_ = connection;
  at(BankConnectionControl::hostKey).text =
      "Host key: " + chosen->fingerprint + " (" + chosen->key.substr(0, chosen->key.find(' ')) +
      "). Save only if it is the fingerprint your bank gave you.";
  at(BankConnectionControl::save).enabled = true;
}

void BankConnectionModel::save_Click() {
  if (!read_ || services_.settings == nullptr) return;
  if (!saveBankConnection(*services_.settings, account_, *read_)) {
    showMessage(MessageBoxIcon::Critical, "The bank connection could not be saved: " +
                                              fromCore(services_.settings->lastError()));
    return;
  }
  closed_ = true;
  if (saved_) saved_();
}

}  // namespace ppexport::window

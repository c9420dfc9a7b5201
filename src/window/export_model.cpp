#include "window/export_model.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "create/bank_inputs.h"
#include "create/create_operation.h"
#include "create/format_dispatch.h"
#include "create/help_document.h"
#include "create/messages.h"
#include "history/history_folder.h"
#include "quickbooks/register_connection.h"
#include "settings/account_settings.h"
#include "text/file_names.h"
#include "text/windows1252.h"
#include "transfer/bank_upload.h"
#include "window/bank_connection_model.h"
#include "window/custom_format_model.h"
#include "window/history_model.h"
#include "window/window_text.h"

namespace ppexport::window {

namespace {
using enum ExportControl;

constexpr std::string_view designCaption = "Positive Pay Export";
constexpr std::string_view noBankForAccount = "<pick a bank for this account>";
constexpr int clientWidth = 7425;
constexpr int clientHeight = 8115;
constexpr int statusLineHeight = 480;
constexpr int registerPreviewHeight = 1260;

// Captions are one line high; they stand a little lower than their boxes so that the texts
// line up.
constexpr int captionHeight = 255;

int number(std::string_view text) {
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// The main window's controls as designed, in tab order.
std::vector<Control> designedControls() {
  struct Design {
    ExportControl id;
    ControlKind kind;
    std::string_view name;
    Rect place;
    std::string_view text = {};
  };
  using enum ControlKind;
  // The identifier inputs take their places from placeIdentifierInputs.
  const Design designs[] = {
      {Image1, Picture, "Image1", {60, 60, 2100, 825}},
      {Label5, Label, "Label5", {2460, 180, 4755, 555}},
      {checksFromLabel, Label, "checksFromLabel", {2460, 840, 1080, captionHeight},
       "Checks from:"},
      {checksFromQuickBooks, OptionButton, "checksFromQuickBooks", {3600, 780, 1335, 315},
       "&QuickBooks"},
      {checksFromRegister, OptionButton, "checksFromRegister", {4995, 780, 1935, 315},
       "Re&gister file..."},
      {Label6, Label, "Label6", {360, 1260, 810, captionHeight}, "&Account"},
      {myAccount, ComboBox, "myAccount", {1200, 1200, 5730, 315}, "myAccount"},
      {Frame1, Frame, "Frame1", {360, 1800, 6555, 1395}, "Date Range"},
      {autoDateRange, CheckBox, "autoDateRange", {360, 300, 3075, 435},
       "Set date range for checks to the &last"},
      {autoDateRangeDays, TextBox, "autoDateRangeDays", {3465, 360, 435, 310}, "90"},
      {Label15, Label, "Label15", {4005, 420, 900, 315}, "da&ys"},
      {Label14, Label, "Label14", {120, 900, 690, captionHeight}, "&From"},
      {fromDate, TextBox, "fromDate", {840, 840, 1095, 320}},
      {Label13, Label, "Label13", {2040, 900, 390, captionHeight}, "&To"},
      {toDate, TextBox, "toDate", {2460, 840, 1095, 320}},
      {Label7, Label, "Label7", {360, 3540, 810, captionHeight}, "&Bank"},
      {bankList, ComboBox, "bankList", {1200, 3480, 5355, 315}, noBankForAccount},
      {editFormat, Button, "editFormat", {6600, 3420, 585, 375}, editCaption},
      {mergedBankNote, Label, "mergedBankNote", {360, 3840, 6825, captionHeight}},
      {remoteIDLabel, Label, "remoteIDLabel", {}, "Remote ID"},
      {remoteID, TextBox, "remoteID", {}},
      {remoteIDLabel2, Label, "remoteIDLabel2", {}, "*"},
      {bankIDLabel, Label, "bankIDLabel", {}, "BankID"},
      {bankID, TextBox, "bankID", {}},
      {bankIDLabel2, Label, "bankIDLabel2", {}, "*"},
      {batchIDLabel, Label, "batchIDLabel", {}, "Batch ID"},
      {batchID, TextBox, "batchID", {}},
      {batchIDLabel2, Label, "batchIDLabel2", {}, "*"},
      {accountIDLabel, Label, "accountIDLabel", {}, "Account Number"},
      {accountID, TextBox, "accountID", {}},
      {accountIDLabel2, Label, "accountIDLabel2", {}, "*"},
      {providedByLabel, Label, "providedByLabel", {1200, 4740, 4365, 615},
       "* Values provided by your bank"},
      {bankCodeLabel, Label, "bankCodeLabel", {}, "Bank Code"},
      {bankCode, ComboBox, "bankCode", {}, "<pick a bank number>"},
      {Label4, Label, "Label4", {120, 5700, 990, captionHeight}, "&Output File"},
      {fileName, TextBox, "fileName", {1140, 5640, 4995, 320}},
      {Select, Button, "Select", {6180, 5580, 975, 375}, "Bro&wse"},
      {createReviewFile, CheckBox, "createReviewFile", {1140, 6120, 6015, 315},
       "Also create a companion 'Positive Pay &Review.csv' file for your review."},
      {newOnly, CheckBox, "newOnly", {1140, 6480, 6015, 315},
       "Lea&ve out checks already sent in an earlier file"},
      {Line1, Line, "Line1", {10, 7020, 7380, 15}},
      {history, Button, "history", {720, 7140, 885, 375}, "H&istory"},
      {openDoc, Button, "openDoc", {1980, 7140, 885, 375}, "&Help"},
      {saveSettings, Button, "saveSettings", {3240, 7140, 885, 375}, "&Save"},
      {Command1, Button, "Command1", {4200, 7140, 885, 375}, "&Close"},
      {myCreate, Button, "myCreate", {5220, 7140, 1995, 375}, "Create &Positive Pay File"},
      {bankConnection, Button, "bankConnection", {3240, 7620, 1845, 375}, "Ba&nk connection..."},
      {sendToBank, Button, "sendToBank", {5220, 7620, 1995, 375}, "Send to ban&k"},
      {statusLine, StatusLine, "statusLine", {60, clientHeight, clientWidth - 120,
                                              statusLineHeight}},
      {registerPreview, Label, "registerPreview", {60, clientHeight, clientWidth - 120,
                                                   registerPreviewHeight}},
  };
  std::vector<Control> controls(static_cast<std::size_t>(ExportControl::count));
  for (const Design& design : designs) {
    Control& control = controls[controlIndex(design.id)];
    control.kind = design.kind;
    control.name = design.name;
    control.place = design.place;
    control.text = std::string(design.text);
  }
  auto at = [&controls](ExportControl id) -> Control& { return controls[controlIndex(id)]; };
  for (ExportControl id : {autoDateRange, autoDateRangeDays, Label15, Label14, fromDate, Label13,
                           toDate}) {
    at(id).container = controlIndex(Frame1);
  }
  at(Label5).wordWrap = true;
  at(providedByLabel).wordWrap = true;
  at(statusLine).wordWrap = true;
  at(registerPreview).wordWrap = true;
  at(checksFromQuickBooks).checked = 1;
  // Each caption names its box for the keyboard and for screen readers.
  const std::pair<ExportControl, ExportControl> captions[] = {
      {Label6, myAccount},        {Label15, autoDateRangeDays}, {Label14, fromDate},
      {Label13, toDate},          {Label7, bankList},           {remoteIDLabel, remoteID},
      {bankIDLabel, bankID},      {batchIDLabel, batchID},      {accountIDLabel, accountID},
      {bankCodeLabel, bankCode},  {Label4, fileName}};
  for (const auto& [caption, box] : captions) at(caption).labelFor = controlIndex(box);
  for (ExportControl caption : {remoteIDLabel, bankIDLabel, batchIDLabel, accountIDLabel,
                                bankCodeLabel}) {
    at(caption).align = TextAlign::Right;
  }
  // The identifier inputs, their note and the bank-code list appear only for the formats that
  // ask for them.
  for (ExportControl id :
       {mergedBankNote, remoteIDLabel, remoteID, remoteIDLabel2, bankIDLabel, bankID, bankIDLabel2,
        batchIDLabel,
        batchID, batchIDLabel2, accountIDLabel, accountID, accountIDLabel2, providedByLabel,
        bankCodeLabel, bankCode, statusLine, registerPreview}) {
    at(id).visible = false;
  }
  return controls;
}

}  // namespace

std::string windowCaption(std::string_view version) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t dot = version.find('.', start);
    parts.push_back(version.substr(start, dot - start));
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  const int major = number(parts[0]);
  const int revision = parts.size() > 2 ? number(parts[2]) : 0;
  std::string caption = std::string(designCaption) + " - " + std::to_string(major) + ".";
  if (revision >= 0 && revision < 10) caption += "0";
  return caption + std::to_string(revision);
}

ExportModel::ExportModel(WindowServices services)
    : services_(std::move(services)), controls_(designedControls()), caption_(designCaption) {
  placeIdentifierInputs(InputLayout::Standard);
  if (!services_.notices.empty()) {
    std::string notice;
    for (const std::string& text : services_.notices) {
      notice += notice.empty() ? text : " " + text;
    }
    at(statusLine).text = notice;
    at(statusLine).visible = true;
    at(registerPreview).place.top += statusLineHeight + 60;
  }
}

ExportModel::~ExportModel() = default;

void ExportModel::setObserver(WindowObserver* observer) { observer_ = observer; }

Size ExportModel::clientSize() const {
  const bool status = control(statusLine).visible;
  const bool preview = control(registerPreview).visible;
  return {clientWidth, clientHeight + belowBankList_ + (status ? statusLineHeight + 60 : 0) +
                           (preview ? registerPreviewHeight + 60 : 0)};
}

CustomFormatModel* ExportModel::editor() {
  return editor_ && !editor_->closed() ? editor_.get() : nullptr;
}

HistoryModel* ExportModel::historyDialog() {
  return history_ && !history_->closed() ? history_.get() : nullptr;
}

BankConnectionModel* ExportModel::bankConnectionDialog() {
  return bankConnection_ && !bankConnection_->closed() ? bankConnection_.get() : nullptr;
}

// ---- Controls

void ExportModel::setText(ExportControl id, std::string text) { at(id).text = std::move(text); }

void ExportModel::setListText(ExportControl id, std::string text) {
  Control& list = at(id);
  list.text = std::move(text);
  list.selected = entryIndex(list.entries, list.text);
}

void ExportModel::setVisible(ExportControl id, bool visible) { at(id).visible = visible; }

void ExportModel::place(ExportControl id, Rect place) {
  const Rect& list = control(bankList).place;
  if (place.top > list.top + list.height) place.top += belowBankList_;
  at(id).place = place;
}

void ExportModel::focus(ExportControl id, bool caretAtEnd) {
  if (observer_ != nullptr) observer_->focus(id, caretAtEnd);
}

MessageBoxAnswer ExportModel::showMessage(MessageBoxIcon icon, std::string text,
                                          MessageBoxButtons buttons) {
  if (services_.messages == nullptr) return MessageBoxAnswer::Cancel;
  return services_.messages->show({icon, fromCore(applicationTitle), std::move(text), buttons});
}

Date ExportModel::today() const { return services_.clock->now().date; }

// ---- Events

void ExportModel::startUp() {
  caption_ = windowCaption(services_.version);
  getAccountList();
  setText(Label5, "Fill out the fields below to create a positive pay file.");
  manageBankList();
  getUserSettings();
  if (!services_.registerFile.empty()) useRegisterFile(services_.registerFile);
}

void ExportModel::textChanged(ExportControl id, std::string_view text) {
  switch (id) {
    case myAccount:
      setListText(id, std::string(text));
      myAccount_Change();
      break;
    case bankList:
      setListText(id, std::string(text));
      bankList_Change();
      break;
    case bankCode:
      setListText(id, std::string(text));
      break;
    case autoDateRangeDays:
      setText(id, std::string(text));
      autoDateRangeDays_Change();
      break;
    case fromDate:
    case toDate:
    case remoteID:
    case bankID:
    case batchID:
    case accountID:
    case fileName:
      setText(id, std::string(text));
      break;
    default:
      break;
  }
}

void ExportModel::entryChosen(ExportControl id, int index) {
  const Control& list = control(id);
  if (list.kind != ControlKind::ComboBox || index < 0 ||
      index >= static_cast<int>(list.entries.size())) {
    return;
  }
  textChanged(id, list.entries[static_cast<std::size_t>(index)]);
}

void ExportModel::clicked(ExportControl id) {
  Control& clickedControl = at(id);
  if (!clickedControl.enabled || !clickedControl.visible) return;
  if (clickedControl.kind == ControlKind::CheckBox) {
    // A click ticks a clear or grey box and clears a ticked one.
    clickedControl.checked = clickedControl.checked == 1 ? 0 : 1;
  }
  switch (id) {
    case autoDateRange:
      autoDateRange_Click();
      break;
    case editFormat:
      editFormat_Click();
      break;
    case Select:
      Select_Click();
      break;
    case openDoc:
      openDoc_Click();
      break;
    case history:
      history_Click();
      break;
    case checksFromQuickBooks:
      checksFromQuickBooks_Click();
      break;
    case checksFromRegister:
      checksFromRegister_Click();
      break;
    case saveSettings:
      saveUserSettings();
      break;
    case Command1:
      Command1_Click();
      break;
    case myCreate:
      myCreate_Click();
      break;
    case bankConnection:
      bankConnection_Click();
      break;
    case sendToBank:
      sendToBank_Click();
      break;
    default:
      break;
  }
}

void ExportModel::closeBox() {
  // The window's own close box saves nothing; the Close button saves before it closes.
  closed_ = true;
}

void ExportModel::myAccount_Change() {
  services_.settings->saveSetting(lastAccountKey, toCore(control(myAccount).text));
  getUserSettings();
  if (register_) showRegisterPreview();
  focus(myAccount, false);
}

void ExportModel::autoDateRange_Click() {
  if (control(autoDateRange).checked == 1) setAutoDateRange();
}

void ExportModel::autoDateRangeDays_Change() {
  if (control(autoDateRange).checked == 1) setAutoDateRange();
}

void ExportModel::editFormat_Click() {
  std::string name;
  const std::string& caption = control(editFormat).text;
  if (caption == editCaption) {
    const std::optional<std::string> format = customFormatName(toCore(control(bankList).text));
    if (format) name = fromCore(*format);
  } else if (caption != addCaption) {
    return;
  }
  if (editor() == nullptr) editor_ = std::make_unique<CustomFormatModel>(services_, *this);
  editor_->open(name);
  if (observer_ != nullptr) observer_->editorOpened();
}

void ExportModel::editorClosed() {
  if (observer_ != nullptr) observer_->editorClosed();
}

// The files sent for the account shown, in a dialog of their own.
void ExportModel::history_Click() {
  history_ = std::make_unique<HistoryModel>(services_, control(myAccount).text);
  if (observer_ != nullptr) observer_->historyOpened();
}

FileDialogSettings ExportModel::fileDialogSettings() const {
  // The bank's own file type first; the dialog opens on the output file box's name, in its
  // folder when that folder exists.
  FileDialogSettings dialog;
  dialog.title = "Enter a file name";
  dialog.filters = {std::string(outputFileType()), "All Files"};
  const std::string& shown = control(fileName).text;
  const std::string_view name = fileNamePart(shown);
  dialog.initialFileName = std::string(trimSpaces(name));
  std::error_code error;
  if (name.size() < shown.size()) {
    const std::filesystem::path file = filePath(shown);
    const std::filesystem::path folder = std::filesystem::absolute(file, error).parent_path();
    if (!error && std::filesystem::is_directory(folder, error)) {
      dialog.startFolder = ppexport::fileName(folder);
    }
  }
  return dialog;
}

std::string_view ExportModel::outputFileType() const {
  return writesCommaSeparated(toCore(control(bankList).text), services_.settings)
             ? "CSV Files (*.csv)"
             : "TXT Files (*.txt)";
}

void ExportModel::Select_Click() {
  if (services_.files == nullptr) return;
  const std::optional<std::string> chosen = askForFile(fileDialogSettings());
  if (!chosen) return;
  // A name chosen without an extension gets the one of the bank's file type; any other is kept.
  const std::string path(trimSpaces(*chosen));
  if (fileNamePart(path).find('.', 1) != std::string_view::npos) {
    setText(fileName, path);
  } else {
    const std::string_view type = outputFileType();
    setText(fileName, path + std::string(type.substr(type.size() - 5, 4)));
  }
}

std::optional<std::string> ExportModel::askForFile(const FileDialogSettings& dialog) {
  const FileChoice choice = services_.files->chooseFile(dialog);
  switch (choice.outcome) {
    case FileChoice::Outcome::Cancelled:
      return std::nullopt;
    case FileChoice::Outcome::Failed:
      showMessage(MessageBoxIcon::Critical, "Error " + std::to_string(choice.errorNumber) +
                                                " choosing file.\n" + choice.errorDescription);
      return std::nullopt;
    case FileChoice::Outcome::Chosen:
      break;
  }
  return choice.path;
}

void ExportModel::openDoc_Click() {
  at(openDoc).enabled = false;
  {
    BusyScope busy(services_.busy);
    if (observer_ != nullptr) observer_->refresh();
    if (services_.documents != nullptr) {
      const HelpOutcome outcome =
          openDocumentation(*services_.documents, services_.programFolder, helpDocumentName);
      const std::string message =
          helpMessage(outcome, services_.programFolder, helpDocumentName);
      if (!message.empty()) {
        showMessage(outcome == HelpOutcome::documentMissing ? MessageBoxIcon::Stop
                                                            : MessageBoxIcon::Information,
                    messageText(message));
      }
    }
  }
  at(openDoc).enabled = true;
}

void ExportModel::Command1_Click() {
  saveUserSettings();
  closed_ = true;
  if (observer_ != nullptr) observer_->mainWindowClosed();
}

void ExportModel::myCreate_Click() {
  at(myCreate).enabled = false;
  CreateRequest request = createRequest();
  CreateOutcome outcome;
  {
    BusyScope busy(services_.busy);
    // The disabled button and the busy pointer show before QuickBooks is asked.
    if (observer_ != nullptr) observer_->refresh();
    CreateServices services;
    services.quickBooks = &quickBooks();
    services.settings = services_.settings;
    services.clock = services_.clock;
    services.reportFolder = services_.reportFolder;
    services.historyFolder = services_.historyFolder;
    outcome = createFile(request, services);
  }
  MessageBoxIcon icon = MessageBoxIcon::Information;
  if (outcome.message.icon == MessageIcon::Critical) icon = MessageBoxIcon::Critical;
  if (outcome.message.icon == MessageIcon::Warning) icon = MessageBoxIcon::Warning;
  showMessage(icon, messageNamingFile(outcome.message.text, request.fileName));
  at(myCreate).enabled = true;
  createdEntry_ = outcome.historyEntry;
  createdAccount_ = control(myAccount).text;
  enableSendToBank();
}

void ExportModel::enableSendToBank() {
  const std::string& account = control(myAccount).text;
  at(sendToBank).enabled = !createdEntry_.empty() && createdAccount_ == account &&
                           services_.settings != nullptr &&
                           getBankConnection(*services_.settings, toCore(account)).has_value();
}

void ExportModel::bankConnection_Click() {
  bankConnection_ = std::make_unique<BankConnectionModel>(services_, control(myAccount).text,
                                                          [this] { enableSendToBank(); });
  if (observer_ != nullptr) observer_->bankConnectionOpened();
}

void ExportModel::sendToBank_Click() {
  if (!control(sendToBank).enabled || services_.programs == nullptr) return;
  std::string problem;
  const std::optional<HistoryEntry> entry =
      readHistoryEntry(services_.historyFolder, createdEntry_, problem);
  const std::optional<BankConnection> connection =
      getBankConnection(*services_.settings, toCore(control(myAccount).text));
  if (!entry || !connection) {
    showMessage(MessageBoxIcon::Critical,
                entry ? fromCore(noBankConnectionMessage(toCore(control(myAccount).text)))
                      : "The file cannot be sent: " + problem + ".");
    return;
  }
  BankConnection target = *connection;
  target.folder += (target.folder.empty() || target.folder.back() != '/' ? "/" : "") +
                   remoteFileName(entry->output);
  ControlTotals totals;
  totals.issued = {entry->issued.count, entry->issued.cents};
  totals.voided = {entry->voided.count, entry->voided.cents};
  const bool again = !entry->sent.empty();
  std::string question = again ? remoteFileName(entry->output) + " was " + sentText(*entry) +
                                     " already. Send it again?"
                               : "Send this file to the bank?";
  question += "\n\nFile: " + entry->output + "\n" +
              fromCore(withPlainLineBreaks(controlTotalLines(totals))) + "\n\nTo: " +
              sftpAddress(target) + "\nHost key: " + connection->hostKeyFingerprint;
  if (services_.messages == nullptr ||
      services_.messages->show({MessageBoxIcon::None, fromCore(applicationTitle), question,
                                MessageBoxButtons::YesNo}) != MessageBoxAnswer::Yes) {
    return;
  }
  BankUpload upload;
  {
    BusyScope busy(services_.busy);
    if (observer_ != nullptr) observer_->refresh();
    BankUploadOptions options;
    options.again = again;
    upload = ppexport::sendToBank(services_.historyFolder, *entry, *connection,
                                  *services_.programs, services_.clock->now(), options);
  }
  showMessage(upload.outcome == BankUploadOutcome::Sent ? MessageBoxIcon::Information
                                                        : MessageBoxIcon::Critical,
              fromCore(withPlainLineBreaks(upload.message)));
}

CreateRequest ExportModel::createRequest() const {
  auto identifier = [this](ExportControl box) {
    return IdentifierBox{toCore(control(box).text), control(box).visible};
  };
  CreateRequest request;
  request.bankListText = toCore(control(bankList).text);
  request.bankListIndex = control(bankList).selected;
  request.accountText = toCore(control(myAccount).text);
  request.accountIndex = control(myAccount).selected;
  request.fileName = control(fileName).text;
  request.fromDate = toCore(control(fromDate).text);
  request.toDate = toCore(control(toDate).text);
  request.bankId = identifier(bankID);
  request.accountId = identifier(accountID);
  request.remoteId = identifier(remoteID);
  request.batchId = identifier(batchID);
  request.bankCode = toCore(control(bankCode).text);
  request.createReviewFile = control(createReviewFile).checked == 1;
  request.newOnly = control(newOnly).checked == 1;
  request.accountSettings = accountSettingsFromControls();
  // Identifier text with a character that Windows-1252, the bank file's encoding, has no place
  // for is written with '?' there: the result says so, under the box's caption.
  const std::pair<ExportControl, ExportControl> boxes[] = {{remoteIDLabel, remoteID},
                                                           {bankIDLabel, bankID},
                                                           {batchIDLabel, batchID},
                                                           {accountIDLabel, accountID}};
  for (const auto& [label, box] : boxes) {
    if (!control(box).visible) continue;
    const std::string written = toCore(control(box).text);
    if (fromCore(written) == control(box).text) continue;
    std::string caption = toCore(control(label).text);
    std::erase(caption, '&');
    request.inputWarnings.push_back("Warning: " + caption + " '" + written +
                                    "' holds characters the bank file cannot, written as '?'.");
  }
  return request;
}

}  // namespace ppexport::window

#pragma once
// The main window `export`, without a toolkit: the bookkeeper picks a QuickBooks bank account, the
// bank format, the identifiers the bank supplied, the date range and the output file, and presses
// Create. The model holds every control's state and runs the form's events on it; the core does
// the work.
//
// How a view binds:
//   ExportModel model(services);           // services: window_services.h
//   model.setObserver(&observer);          // window_observer.h
//   model.startUp();                       // then show the window with caption()
//   for each Control of model.controls():  make a native control (kind, place, container);
//   on a user event:   model.textChanged(id, text) / entryChosen(id, index) / clicked(id) /
//                      closeBox(), then copy every Control into its native control, setting
//                      only what differs (and without feeding the change back into the model);
//   model.editor():    the custom format editor's model while it is open (custom_format_model.h).
// Every text is UTF-8. A file name is the text the core opens (UTF-8 on every platform).

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "window/controls.h"
#include "window/window_observer.h"
#include "window/window_services.h"

namespace ppexport {
struct AccountSettings;
struct CreateRequest;
struct Date;
enum class InputLayout;
}  // namespace ppexport

namespace ppexport::window {

class CustomFormatModel;
class HistoryModel;

// The controls of the main window, in the design's tab order; the index of a Control in
// ExportModel::controls().
enum class ExportControl {
  Image1,
  Label5,
  Label6,
  myAccount,
  Frame1,
  autoDateRange,  // in Frame1
  autoDateRangeDays,
  Label15,
  Label14,
  fromDate,
  Label13,
  toDate,  // the last control in Frame1
  Label7,
  bankList,
  editFormat,
  remoteIDLabel,
  remoteID,
  remoteIDLabel2,
  bankIDLabel,
  bankID,
  bankIDLabel2,
  batchIDLabel,
  batchID,
  batchIDLabel2,
  accountIDLabel,
  accountID,
  accountIDLabel2,
  providedByLabel,
  bankCodeLabel,
  bankCode,
  Label4,
  fileName,
  Select,
  createReviewFile,
  newOnly,  // leave out checks already sent in an earlier file
  Line1,
  history,  // the files sent for the account
  openDoc,
  saveSettings,
  Command1,
  myCreate,
  statusLine,  // the notices of the run under the form; hidden when there are none
  count
};

inline constexpr int controlIndex(ExportControl control) { return static_cast<int>(control); }

// The edit button's captions: "Edit" while a custom format is chosen, "Add" otherwise.
inline constexpr std::string_view editCaption = "&Edit";
inline constexpr std::string_view addCaption = "A&dd";

// The design caption, " - ", the major version, "." and the revision as two digits: "1.0.5"
// gives "Positive Pay Export - 1.05".
std::string windowCaption(std::string_view version);

class ExportModel {
 public:
  explicit ExportModel(WindowServices services);
  ~ExportModel();
  ExportModel(const ExportModel&) = delete;
  ExportModel& operator=(const ExportModel&) = delete;

  void setObserver(WindowObserver* observer);

  // ---- What the view shows.
  const std::vector<Control>& controls() const { return controls_; }
  const Control& control(ExportControl id) const { return controls_[controlIndex(id)]; }
  // The design caption until start-up; then with the version (windowCaption).
  const std::string& caption() const { return caption_; }
  // The client area in twips: the design's, with room for the status line when it shows.
  Size clientSize() const;
  // The file dialog as Browse shows it next (title, file types, the file it starts on).
  FileDialogSettings fileDialogSettings() const;
  // The custom format editor while it is open; nullptr when it is closed.
  CustomFormatModel* editor();
  // The History dialog while it is open; nullptr when it is closed.
  HistoryModel* historyDialog();
  // The main window was closed (Close, or its close box).
  bool closed() const { return closed_; }

  // ---- The form's events.
  // Window load: caption, file dialog, account list, bank list, the last account's settings.
  void startUp();
  // The user typed into a box or an editable list; text is its whole new text. An account typed
  // loads that account, a bank typed applies its inputs, the days box recomputes the range.
  void textChanged(ExportControl id, std::string_view text);
  // The user picked entry index of a list (myAccount, bankList, bankCode).
  void entryChosen(ExportControl id, int index);
  // The user clicked a button or a check box (a check box changes its state first).
  void clicked(ExportControl id);
  // The window's own close box: saves nothing.
  void closeBox();

  // After the custom format editor saved or deleted a format: the bank list shows text among the
  // refilled entries, and its inputs apply.
  void showBankFormat(std::string_view text);

 private:
  friend class CustomFormatModel;

  Control& at(ExportControl id) { return controls_[controlIndex(id)]; }
  void setText(ExportControl id, std::string text);
  void setListText(ExportControl id, std::string text);
  void setVisible(ExportControl id, bool visible);
  void place(ExportControl id, Rect place);
  void focus(ExportControl id, bool caretAtEnd);
  MessageBoxAnswer showMessage(MessageBoxIcon icon, std::string text,
                               MessageBoxButtons buttons = MessageBoxButtons::Ok);
  Date today() const;

  void getAccountList();
  void manageBankList();
  void bankList_Change();
  void fillBankCodeList();
  void getUserSettings();
  void saveUserSettings();
  void setAutoDateRange();
  void placeIdentifierInputs(InputLayout layout);
  void switchOutputExtension(bool commaSeparated);
  // "CSV Files (*.csv)" for a comma-separated bank format, else "TXT Files (*.txt)".
  std::string_view outputFileType() const;

  void myAccount_Change();
  void autoDateRange_Click();
  void autoDateRangeDays_Change();
  void editFormat_Click();
  void Select_Click();
  void openDoc_Click();
  void Command1_Click();
  void myCreate_Click();
  void editorClosed();
  void history_Click();

  AccountSettings accountSettingsFromControls() const;
  CreateRequest createRequest() const;

  WindowServices services_;
  WindowObserver* observer_ = nullptr;
  std::vector<Control> controls_;
  std::string caption_;
  std::unique_ptr<CustomFormatModel> editor_;
  std::unique_ptr<HistoryModel> history_;
  bool closed_ = false;
  bool accountListMissing_ = false;  // QuickBooks gave no account list and the user cancelled
};

}  // namespace ppexport::window

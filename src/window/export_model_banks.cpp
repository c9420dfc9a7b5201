// The bank list of the main window, the inputs each bank format asks for, and where they stand.

#include "create/bank_codes.h"
#include "create/bank_inputs.h"
#include "create/format_dispatch.h"
#include "formats/bank_list.h"
#include "settings/account_settings.h"
#include "window/export_model.h"
#include "window/window_text.h"

namespace ppexport::window {

namespace {
using enum ExportControl;

constexpr std::string_view noBankForAccount = "<pick a bank for this account>";
constexpr int captionHeight = 255;
constexpr int starWidth = 225;
constexpr int mergedBankNoteRow = 300;

struct IdentifierInput {
  ExportControl caption;
  ExportControl box;
  ExportControl star;
};
constexpr IdentifierInput remoteInput{remoteIDLabel, remoteID, remoteIDLabel2};
constexpr IdentifierInput bankInput{bankIDLabel, bankID, bankIDLabel2};
constexpr IdentifierInput batchInput{batchIDLabel, batchID, batchIDLabel2};
constexpr IdentifierInput accountInput{accountIDLabel, accountID, accountIDLabel2};

// The access keys (Alt+letter) of the window's fixed captions and buttons; the identifier
// captions, which change with the bank format, take letters not among them.
constexpr std::string_view fixedAccessKeys = "albyftedowrvihscpqgnk";

// The caption with "&" before its first letter not taken yet (a literal "&" doubled), that
// letter then taken; without a free letter, the caption has no access key.
std::string withAccessKey(std::string_view caption, std::string& taken) {
  std::string marked;
  bool keyed = false;
  for (char character : caption) {
    const char lower = static_cast<char>(character >= 'A' && character <= 'Z' ? character + 32
                                                                               : character);
    if (character == '&') {
      marked += '&';
    } else if (!keyed && lower >= 'a' && lower <= 'z' &&
               taken.find(lower) == std::string::npos) {
      marked += '&';
      taken += lower;
      keyed = true;
    }
    marked += character;
  }
  return marked;
}
}  // namespace

void ExportModel::manageBankList() {
  Control& banks = at(bankList);
  banks.entries.clear();
  for (const std::string& entry : ppexport::bankList(services_.settings)) {
    banks.entries.push_back(fromCore(entry));
  }
  setListText(bankList, banks.text);
}

void ExportModel::showBankFormat(std::string_view text) {
  setListText(bankList, std::string(text));
  manageBankList();
  bankList_Change();
}

void ExportModel::bankList_Change() {
  auto hide = [this](const IdentifierInput& input) {
    setVisible(input.caption, false);
    setVisible(input.box, false);
    setVisible(input.star, false);
  };
  std::string taken(fixedAccessKeys);
  auto show = [this, &hide, &taken](const IdentifierInput& input, const InputCaption& caption) {
    if (!caption.shown) {
      hide(input);
      return;
    }
    setText(input.caption, withAccessKey(fromCore(caption.caption), taken));
    setVisible(input.caption, true);
    setVisible(input.box, true);
    setVisible(input.star, caption.star);
  };

  const std::string text = control(bankList).text;
  const std::string bankFormat = toCore(text);
  const std::optional<MergedBank> merged = mergedBank(bankFormat);
  showMergedBankNote(merged ? merged->note : std::string_view());
  setVisible(accountIDLabel2, false);

  if (const std::optional<std::string> customFormat = customFormatName(bankFormat)) {
    // A custom format writes the account number only.
    setText(editFormat, std::string(editCaption));
    setVisible(editFormat, true);
    hide(remoteInput);
    hide(bankInput);
    hide(batchInput);
    setText(bankIDLabel, withAccessKey("Bank ID", taken));
    setVisible(providedByLabel, false);
    setVisible(bankCodeLabel, false);
    setVisible(bankCode, false);
    setText(accountIDLabel, withAccessKey("Account Number", taken));
    setVisible(accountIDLabel, true);
    setVisible(accountID, true);
    switchOutputExtension(writesCommaSeparated(bankFormat, services_.settings));
  } else {
    setText(editFormat, std::string(addCaption));
  }

  if (control(bankList).selected == -1 || text == noBankForAccount) {
    hide(remoteInput);
    hide(bankInput);
    hide(batchInput);
    setText(bankIDLabel, withAccessKey("Bank ID", taken));
    setVisible(providedByLabel, false);
    if (!control(bankCode).entries.empty()) {
      setVisible(accountIDLabel, false);
      setVisible(accountID, false);
    }
  }

  const std::optional<BankInputs> inputs = bankInputs(bankFormat);
  if (!inputs) return;
  show(remoteInput, inputs->remoteId);
  show(bankInput, inputs->bankId);
  show(batchInput, inputs->batchId);
  show(accountInput, inputs->accountId);
  if (inputs->bankCodeList) {
    fillBankCodeList();
    setText(bankCodeLabel, withAccessKey(fromCore(inputs->bankCodeCaption), taken));
  }
  setVisible(bankCodeLabel, inputs->bankCodeList);
  setVisible(bankCode, inputs->bankCodeList);
  setText(providedByLabel, fromCore(inputs->note));
  setVisible(providedByLabel, !inputs->note.empty());
  placeIdentifierInputs(inputs->layout);
}

// The note stands in a row of its own under the bank list: while it shows, every control below
// the list stands a row lower and the window is a row taller.
void ExportModel::showMergedBankNote(std::string_view note) {
  setText(mergedBankNote, fromCore(note));
  setVisible(mergedBankNote, !note.empty());
  const int shift = note.empty() ? 0 : mergedBankNoteRow;
  if (shift == belowBankList_) return;
  const Rect& list = control(bankList).place;
  for (Control& below : controls_) {
    if (&below == &at(mergedBankNote) || below.container != -1) continue;
    if (below.place.top > list.top + list.height) below.place.top += shift - belowBankList_;
  }
  belowBankList_ = shift;
}

void ExportModel::fillBankCodeList() {
  Control& codes = at(bankCode);
  codes.entries.clear();
  for (std::string_view code : bankCodeList(toCore(control(bankList).text))) {
    codes.entries.push_back(fromCore(code));
  }
  if (!codes.entries.empty()) setListText(bankCode, fromCore(noBankCodeChosen));
  codes.selected = entryIndex(codes.entries, codes.text);
}

void ExportModel::switchOutputExtension(bool commaSeparated) {
  // Only the last three letters change; the dot and everything before it stay as typed.
  std::string file = control(fileName).text;
  if (file.size() < 4) return;
  const std::string extension = asciiUpperCase(std::string_view(file).substr(file.size() - 4));
  if (commaSeparated && extension == ".TXT") {
    file.replace(file.size() - 3, 3, "csv");
  } else if (!commaSeparated && extension == ".CSV") {
    file.replace(file.size() - 3, 3, "txt");
  } else {
    return;
  }
  setText(fileName, file);
}

void ExportModel::placeIdentifierInputs(InputLayout layout) {
  const bool wideRemoteId = layout == InputLayout::WideRemoteId ||
                            layout == InputLayout::WideRemoteIdAndBankCodeListRaised;
  const bool bankCodeListRaised = layout == InputLayout::BankCodeListRaised ||
                                  layout == InputLayout::WideRemoteIdAndBankCodeListRaised;
  const bool tdBankCanada = layout == InputLayout::TdBankCanada;

  // The left column: remote ID above batch. TD Bank Canada's longer captions push both boxes
  // right; a header line or company name takes the whole row.
  const int leftBox = tdBankCanada ? 1685 : 1185;
  const int leftStar = tdBankCanada ? 3440 : 2940;
  place(remoteIDLabel, {60, 3960, tdBankCanada ? 1500 : 1095, captionHeight});
  place(remoteID, {leftBox, 3900, wideRemoteId ? 5365 : 1700, 320});
  place(remoteIDLabel2, {wideRemoteId ? 6600 : leftStar, 3900, starWidth, 320});
  if (layout == InputLayout::NarrowPlanNumberCaption) {
    place(batchIDLabel, {160, 4365, 965, captionHeight});
  } else {
    place(batchIDLabel, {60, 4365, tdBankCanada ? 1565 : 1095, captionHeight});
  }
  place(batchID, {leftBox, 4320, 1700, 320});
  place(batchIDLabel2, {leftStar, 4320, starWidth, 320});

  // The right column: bank ID above the account number.
  place(bankIDLabel, {3360, 3960, 1470, captionHeight});
  place(bankID, {4860, 3900, 1700, 320});
  place(bankIDLabel2, {6600, 3900, starWidth, 320});
  place(accountIDLabel, {3360, 4380, 1470, captionHeight});
  place(accountID, {4860, 4320, 1700, 320});
  place(accountIDLabel2, {6600, 4320, starWidth, 320});

  // The bank-code list moves up into the batch row, which its formats leave empty.
  place(bankCodeLabel, {180, bankCodeListRaised ? 4365 : 5100, 975, captionHeight});
  place(bankCode, {1185, bankCodeListRaised ? 4320 : 5040, 2715, 315});
}

}  // namespace ppexport::window

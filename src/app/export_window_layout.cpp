// Where the main window's controls stand: the design positions in twips, and the few moves that
// some bank formats make to fit their captions.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/design_measures.h"
#include "app/export_window.h"
#include "app/program_picture.h"

namespace ppexport::app {

namespace {
constexpr int clientWidth = 7425;
constexpr int clientHeight = 7395;
constexpr int statusLineHeight = 480;

// Captions and stars are one line high; they stand a little lower than their boxes so that the
// texts line up.
constexpr int captionHeight = 255;
constexpr int starWidth = 225;
}  // namespace

void ExportWindow::placeControls() {
  place(Image1, 60, 60, 2100, 825);
  Image1->setPixmap(programPicture(Image1->size(), devicePixelRatioF()));
  place(Label5, 2460, 180, 4755, 855);
  place(Label6, 360, 1260, 810, captionHeight);
  place(myAccount, 1200, 1200, 5730, 315);

  place(Frame1, 360, 1800, 6555, 1395);
  place(autoDateRange, 360, 300, 3075, 435);
  place(autoDateRangeDays, 3465, 360, 435, 310);
  place(Label15, 4005, 420, 900, 315);
  place(Label14, 120, 900, 690, captionHeight);
  place(fromDate, 840, 840, 1095, 320);
  place(Label13, 2040, 900, 390, captionHeight);
  place(toDate, 2460, 840, 1095, 320);

  place(Label7, 360, 3540, 810, captionHeight);
  place(bankList, 1200, 3480, 5355, 315);
  place(editFormat, 6600, 3420, 585, 375);

  placeIdentifierInputs(InputLayout::Standard);
  place(providedByLabel, 1200, 4740, 4365, 615);

  place(Label4, 120, 5700, 990, captionHeight);
  place(fileName, 1140, 5640, 4995, 320);
  place(Select, 6180, 5580, 975, 375);
  place(createReviewFile, 1140, 6120, 6015, 315);
  place(Line1, 10, 6660, 7380, 15);
  place(openDoc, 1980, 6780, 885, 375);
  place(saveSettings, 3240, 6780, 885, 375);
  place(Command1, 4200, 6780, 885, 375);
  place(myCreate, 5220, 6780, 1995, 375);

  int height = clientHeight;
  if (statusLine != nullptr) {
    place(statusLine, 60, clientHeight, clientWidth - 120, statusLineHeight);
    height += statusLineHeight + 60;
  }
  setFixedSize(pixels(clientWidth), pixels(height));
}

void ExportWindow::placeIdentifierInputs(InputLayout layout) {
  const bool wideRemoteId = layout == InputLayout::WideRemoteId ||
                            layout == InputLayout::WideRemoteIdAndBankCodeListRaised;
  const bool bankCodeListRaised = layout == InputLayout::BankCodeListRaised ||
                                  layout == InputLayout::WideRemoteIdAndBankCodeListRaised;
  const bool tdBankCanada = layout == InputLayout::TdBankCanada;

  // The left column: remote ID above batch. TD Bank Canada's longer captions push both boxes
  // right; a header line or company name takes the whole row.
  const int leftBox = tdBankCanada ? 1685 : 1185;
  const int leftStar = tdBankCanada ? 3440 : 2940;
  place(remoteID.caption, 60, 3960, tdBankCanada ? 1500 : 1095, captionHeight);
  place(remoteID.box, leftBox, 3900, wideRemoteId ? 5365 : 1700, 320);
  place(remoteID.star, wideRemoteId ? 6600 : leftStar, 3900, starWidth, 320);
  if (layout == InputLayout::NarrowPlanNumberCaption) {
    place(batchID.caption, 160, 4365, 965, captionHeight);
  } else {
    place(batchID.caption, 60, 4365, tdBankCanada ? 1565 : 1095, captionHeight);
  }
  place(batchID.box, leftBox, 4320, 1700, 320);
  place(batchID.star, leftStar, 4320, starWidth, 320);

  // The right column: bank ID above the account number.
  place(bankID.caption, 3360, 3960, 1470, captionHeight);
  place(bankID.box, 4860, 3900, 1700, 320);
  place(bankID.star, 6600, 3900, starWidth, 320);
  place(accountID.caption, 3360, 4380, 1470, captionHeight);
  place(accountID.box, 4860, 4320, 1700, 320);
  place(accountID.star, 6600, 4320, starWidth, 320);

  // The bank-code list moves up into the batch row, which its formats leave empty.
  place(bankCodeLabel, 180, bankCodeListRaised ? 4365 : 5100, 975, captionHeight);
  place(bankCode, 1185, bankCodeListRaised ? 4320 : 5040, 2715, 315);
}

}  // namespace ppexport::app

#include "app/history_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/dialog_font.h"

namespace ppexport::app {

namespace {
void showLines(QListWidget& list, const std::vector<std::string>& lines) {
  QStringList texts;
  for (const std::string& line : lines) texts << QString::fromStdString(line);
  QStringList shown;
  for (int i = 0; i < list.count(); ++i) shown << list.item(i)->text();
  if (shown == texts) return;
  list.clear();
  list.addItems(texts);
}
}  // namespace

HistoryDialog::HistoryDialog(window::HistoryModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setObjectName(QStringLiteral("history"));
  setFont(dialogFont(font()));
  setWindowTitle(QString::fromStdString(model_.caption()));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Files sent for this account, newest first:"), this));
  entries_ = new QListWidget(this);
  entries_->setObjectName(QStringLiteral("entries"));
  layout->addWidget(entries_, 2);
  layout->addWidget(new QLabel(QStringLiteral("Checks in the chosen file:"), this));
  checks_ = new QListWidget(this);
  checks_->setObjectName(QStringLiteral("checks"));
  layout->addWidget(checks_, 3);
  notice_ = new QLabel(this);
  notice_->setObjectName(QStringLiteral("notice"));
  notice_->setWordWrap(true);
  layout->addWidget(notice_);
  auto* buttons = new QDialogButtonBox(this);
  saveCopy_ = buttons->addButton(QStringLiteral("Save a copy..."), QDialogButtonBox::ActionRole);
  saveCopy_->setObjectName(QStringLiteral("saveCopy"));
  QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
  close->setObjectName(QStringLiteral("close"));
  layout->addWidget(buttons);
  resize(760, 480);

  connect(entries_, &QListWidget::currentRowChanged, this, [this](int row) {
    model_.choose(row);
    showModel();
  });
  connect(saveCopy_, &QPushButton::clicked, this, [this] {
    model_.saveCopy();
    showModel();
  });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  showModel();
}

void HistoryDialog::showModel() {
  const QSignalBlocker blocker(entries_);
  showLines(*entries_, model_.entries());
  if (entries_->currentRow() != model_.selected()) entries_->setCurrentRow(model_.selected());
  showLines(*checks_, model_.checks());
  notice_->setText(QString::fromStdString(model_.notice()));
  notice_->setVisible(!model_.notice().empty());
  saveCopy_->setEnabled(model_.canSaveCopy());
}

void HistoryDialog::done(int result) {
  model_.close();
  QDialog::done(result);
}

}  // namespace ppexport::app

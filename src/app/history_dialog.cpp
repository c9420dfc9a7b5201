#include "app/history_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/dialog_font.h"

namespace ppexport::app {

namespace {
constexpr double twipsPerPixel = 15.0;  // at 96 dots per inch

// A report-style list with the model's column headings, whole rows chosen one at a time.
QTableWidget* reportList(const std::vector<window::ListColumn>& columns, QWidget* parent) {
  auto* list = new QTableWidget(0, static_cast<int>(columns.size()), parent);
  QStringList headings;
  for (const window::ListColumn& column : columns) {
    headings << QString::fromStdString(column.heading);
  }
  list->setHorizontalHeaderLabels(headings);
  for (int index = 0; index < list->columnCount(); ++index) {
    const window::ListColumn& column = columns[static_cast<std::size_t>(index)];
    list->setColumnWidth(index, static_cast<int>(column.width / twipsPerPixel));
    if (column.rightAligned) {
      list->horizontalHeaderItem(index)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
  }
  list->horizontalHeader()->setStretchLastSection(true);
  list->verticalHeader()->hide();
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setWordWrap(false);
  // A long file path keeps its start and its name; the whole shows as a tip.
  list->setTextElideMode(Qt::ElideMiddle);
  list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 6);
  return list;
}

void showRows(QTableWidget& list, const std::vector<window::ListColumn>& columns,
              const std::vector<std::vector<std::string>>& rows) {
  list.setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < list.rowCount(); ++row) {
    const std::vector<std::string>& cells = rows[static_cast<std::size_t>(row)];
    for (int column = 0; column < list.columnCount(); ++column) {
      const QString text = QString::fromStdString(cells[static_cast<std::size_t>(column)]);
      QTableWidgetItem* item = list.item(row, column);
      if (item == nullptr) {
        item = new QTableWidgetItem;
        if (columns[static_cast<std::size_t>(column)].rightAligned) {
          item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        list.setItem(row, column, item);
      }
      if (item->text() != text) item->setText(text);
      item->setToolTip(text);
    }
  }
}
}  // namespace

HistoryDialog::HistoryDialog(window::HistoryModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setObjectName(QStringLiteral("history"));
  setFont(dialogFont(font()));
  setWindowTitle(QString::fromStdString(model_.caption()));
  auto* layout = new QVBoxLayout(this);
  auto* entriesLabel = new QLabel(QStringLiteral("&Files sent for this account:"), this);
  layout->addWidget(entriesLabel);
  entries_ = reportList(window::HistoryModel::entryColumns(), this);
  entries_->setObjectName(QStringLiteral("entries"));
  entries_->horizontalHeader()->setSortIndicatorShown(true);
  entries_->horizontalHeader()->setSectionsClickable(true);
  entriesLabel->setBuddy(entries_);
  layout->addWidget(entries_, 2);
  auto* checksLabel = new QLabel(QStringLiteral("C&hecks in the chosen file:"), this);
  layout->addWidget(checksLabel);
  checks_ = reportList(window::HistoryModel::checkColumns(), this);
  checks_->setObjectName(QStringLiteral("checks"));
  checksLabel->setBuddy(checks_);
  layout->addWidget(checks_, 3);
  notice_ = new QLabel(this);
  notice_->setObjectName(QStringLiteral("notice"));
  notice_->setWordWrap(true);
  layout->addWidget(notice_);
  auto* buttons = new QDialogButtonBox(this);
  saveCopy_ = buttons->addButton(QStringLiteral("&Save a copy..."), QDialogButtonBox::ActionRole);
  saveCopy_->setObjectName(QStringLiteral("saveCopy"));
  QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
  close->setObjectName(QStringLiteral("close"));
  layout->addWidget(buttons);
  resize(820, 500);

  connect(entries_, &QTableWidget::currentCellChanged, this, [this](int row) {
    model_.choose(row);
    showModel();
  });
  connect(entries_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
    model_.sortBy(column);
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
  const QSignalBlocker headerBlocker(entries_->horizontalHeader());
  showRows(*entries_, window::HistoryModel::entryColumns(), model_.entryRows());
  entries_->horizontalHeader()->setSortIndicator(
      model_.sortColumn(), model_.sortDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
  if (entries_->currentRow() != model_.selected()) {
    entries_->setCurrentCell(model_.selected(), 0);
  }
  showRows(*checks_, window::HistoryModel::checkColumns(), model_.checkRows());
  notice_->setText(QString::fromStdString(model_.notice()));
  notice_->setVisible(!model_.notice().empty());
  saveCopy_->setEnabled(model_.canSaveCopy());
}

void HistoryDialog::done(int result) {
  model_.close();
  QDialog::done(result);
}

}  // namespace ppexport::app

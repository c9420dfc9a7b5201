#include "app/list_boxes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace ppexport::app {

void makeEditableList(QComboBox* list) {
  list->setEditable(true);
  list->setCompleter(nullptr);
  list->setInsertPolicy(QComboBox::NoInsert);
  list->setMaxVisibleItems(16);
}

int selectedEntry(const QComboBox* list) {
  return list->findText(list->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void setListText(QComboBox* list, const QString& text) {
  const QSignalBlocker quiet(list);
  list->setCurrentIndex(list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
  if (list->currentText() != text) list->setEditText(text);
}

}  // namespace ppexport::app

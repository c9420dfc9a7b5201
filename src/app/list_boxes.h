#pragma once
// The editable drop-down lists of the windows: an entry counts as selected while the list shows
// its text exactly, as the bookkeeper sees it.

#include <QString>

class QComboBox;

namespace ppexport::app {

// An editable drop-down list that keeps what is typed: no completion that would change the text
// behind the user's back, and no entry added by pressing Enter.
void makeEditableList(QComboBox* list);

// The index of the entry equal to the list's text (exactly, letter case as written); -1 when no
// entry has that text.
int selectedEntry(const QComboBox* list);

// Puts text into the list and selects the entry equal to it, if any, without running the list's
// change handlers: the caller runs what must follow.
void setListText(QComboBox* list, const QString& text);

}  // namespace ppexport::app

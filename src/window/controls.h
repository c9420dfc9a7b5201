#pragma once
// What a view shows of one control of a window: kind, design place in twips, text, list entries,
// check state, visible and enabled. The window models hold one Control per control of the form,
// in the design's tab order, and change them as the form's events run.
//
// How a view binds: it makes one native control per entry of the model's controls() (the kind
// says which; a control whose container is not -1 stands inside that frame, its place relative to
// it), and after every event it hands to the model it copies every Control into its native
// control, setting only what differs. Texts are UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace ppexport::window {

// A rectangle in twips (1440 to the inch; 15 to a pixel at 96 dots per inch).
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

enum class ControlKind {
  Picture,       // the program's picture (the view draws it)
  Label,         // a caption; may wrap onto more lines (wordWrap)
  TextBox,       // a one-line edit box
  ComboBox,      // an editable drop-down list: text is the edit text, entries the list
  CheckBox,      // checked: 0 clear, 1 ticked, 2 grey
  OptionButton,  // one of a group of two; checked: 0 or 1
  Button,        // a push button
  Frame,         // a group box with a caption; other controls stand inside it
  Line,          // a grey (128, 128, 128) horizontal rule
  StatusLine,    // a notice under the form (pale yellow), shown only when there is one
};

enum class TextAlign { Left, Right };

struct Control {
  ControlKind kind = ControlKind::Label;
  std::string_view name;  // the design name: "myAccount", "bankList", "CustomField3"
  Rect place;             // the design place in twips; inside the container when it has one
  int container = -1;     // the index of the frame it stands in; -1 for the window itself
  std::string text;       // caption, box text, or the list's edit text
  std::vector<std::string> entries;  // the entries of a drop-down list
  int selected = -1;      // the entry equal to text exactly (letter case as written); -1 none
  int checked = 0;        // check box 0, 1, 2; option button 0, 1
  bool visible = true;
  bool enabled = true;
  TextAlign align = TextAlign::Left;
  bool wordWrap = false;
  int labelFor = -1;      // a caption: the index of the box it names (for the keyboard)
};

// The index of the entry equal to text exactly, -1 when none.
int entryIndex(const std::vector<std::string>& entries, std::string_view text);

}  // namespace ppexport::window

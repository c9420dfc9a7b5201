#pragma once
// The custom format editor `CustomFormat`, without a toolkit: a second window, beside the main
// window, in which the bookkeeper defines, changes and deletes custom formats. The model holds
// every control's state and runs the form's events on it; the rules are the core's
// (custom/custom_format_editor.h).
//
// How a view binds: ExportModel::editor() gives the model while the editor is open (the observer's
// editorOpened() and editorClosed() say when to show and close its window). The view makes one
// native control per entry of controls(); on a user event it calls textChanged / entryChosen /
// clicked, left(id) when the keyboard focus leaves a box for another control of the editor,
// activated() / deactivated() when the editor becomes or stops being the active window, and
// closeBox() for its close box; then it copies every Control of both windows into the native
// controls, setting only what differs. Every text is UTF-8.

#include <string>
#include <string_view>
#include <vector>

#include "custom/custom_format.h"
#include "window/controls.h"
#include "window/window_services.h"

namespace ppexport::window {

class ExportModel;

// The controls of the editor, in the design's tab order; the index of a Control in
// CustomFormatModel::controls().
enum class CustomFormatControl {
  Label1,
  OptionCSV,
  OptionFixed,
  headerLine,
  detailLine,
  trailerLine,
  lineLabel,
  textCaption,
  fillCaption,
  sideCaption,
  FieldLabel1,
  CustomField1,
  LengthLabel1,
  FieldLength1,
  FieldText1,
  FieldFill1,
  FieldSide1,
  FieldLabel2,
  CustomField2,
  LengthLabel2,
  FieldLength2,
  FieldText2,
  FieldFill2,
  FieldSide2,
  FieldLabel3,
  CustomField3,
  LengthLabel3,
  FieldLength3,
  FieldText3,
  FieldFill3,
  FieldSide3,
  FieldLabel4,
  CustomField4,
  LengthLabel4,
  FieldLength4,
  FieldText4,
  FieldFill4,
  FieldSide4,
  FieldLabel5,
  CustomField5,
  LengthLabel5,
  FieldLength5,
  FieldText5,
  FieldFill5,
  FieldSide5,
  FieldLabel6,
  CustomField6,
  LengthLabel6,
  FieldLength6,
  FieldText6,
  FieldFill6,
  FieldSide6,
  FieldLabel7,
  CustomField7,
  LengthLabel7,
  FieldLength7,
  FieldText7,
  FieldFill7,
  FieldSide7,
  FieldLabel8,
  CustomField8,
  LengthLabel8,
  FieldLength8,
  FieldText8,
  FieldFill8,
  FieldSide8,
  dateLabel,
  dateFormat,
  VoidLabel,
  isVoidValue,
  saveAsLabel,
  saveAsName,
  Line1,
  exportFormat,
  importFormat,
  deleteFormat,
  saveSettings,
  count
};

inline constexpr int controlIndex(CustomFormatControl control) {
  return static_cast<int>(control);
}
// The field list, the length box and their captions of row position (1 to 8), and its text box
// (a Constant's text, a File Date's pattern) and fill and side lists.
CustomFormatControl customField(int position);
CustomFormatControl fieldLength(int position);
CustomFormatControl fieldLabel(int position);
CustomFormatControl lengthLabel(int position);
CustomFormatControl fieldText(int position);
CustomFormatControl fieldFill(int position);
CustomFormatControl fieldSide(int position);

class CustomFormatModel {
 public:
  // Made by the main window's edit button; mainWindow shows what Save and Delete leave.
  CustomFormatModel(const WindowServices& services, ExportModel& mainWindow);

  // ---- What the view shows.
  const std::vector<Control>& controls() const { return controls_; }
  const Control& control(CustomFormatControl id) const { return controls_[controlIndex(id)]; }
  const std::string& caption() const { return caption_; }
  Size clientSize() const;
  // Closed by Save, Delete or its close box.
  bool closed() const { return closed_; }

  // ---- The form's events.
  void textChanged(CustomFormatControl id, std::string_view text);
  void entryChosen(CustomFormatControl id, int index);
  // Option buttons, the three line buttons (which line the field rows show), Export..., Import...,
  // Save, Delete.
  void clicked(CustomFormatControl id);
  // The keyboard focus left a field, length or date box for another control of the editor: its
  // validator runs.
  void left(CustomFormatControl id);
  // The editor became the active window (also when first shown): the stored format of the name
  // box is loaded, or a name proposed for a new one. Coming back from the editor's own message
  // box is no return from another window and keeps what the user entered.
  void activated();
  void deactivated();
  // The window's own close box: saves nothing.
  void closeBox();

  // The edit button: the name box takes name ("" proposes one) and the format loads.
  void open(std::string_view name);

 private:
  Control& at(CustomFormatControl id) { return controls_[controlIndex(id)]; }
  void activation();
  void maintainOptionalFields();
  void showFormat(const CustomFormat& format);
  void showLengths(const CustomFormat& format);
  void showLine(CustomLineKind line);
  void showRows(const CustomLine& line);
  CustomLine rowsLine() const;
  CustomFormat formatFromControls() const;
  void exportToFile();
  void importFromFile();
  void showMessage(std::string text);
  // A Yes/No question; No when there is no one to ask.
  MessageBoxAnswer ask(const std::string& question);
  MessageBoxAnswer inMessageBox(const MessageBoxRequest& message);
  void close();

  WindowServices services_;
  ExportModel* mainWindow_;
  std::vector<Control> controls_;
  std::string caption_;
  // The field rows show one line; the other two are kept here until they are shown or saved.
  CustomLineKind shownLine_ = CustomLineKind::Detail;
  CustomLine header_;
  CustomLine detail_;
  CustomLine trailer_;
  bool lineFields_ = false;
  bool closed_ = false;
  // A message box of the editor closing gives the editor back its activation; that must not
  // reload the format over what the user entered.
  bool inMessage_ = false;
  bool returningFromMessage_ = false;
};

}  // namespace ppexport::window

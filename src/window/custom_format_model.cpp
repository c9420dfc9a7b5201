#include "window/custom_format_model.h"

#include <string>

#include "create/messages.h"
#include "custom/custom_format.h"
#include "custom/custom_format_editor.h"
#include "custom/custom_format_file.h"
#include "window/export_model.h"
#include "text/windows1252.h"
#include "window/window_text.h"

namespace ppexport::window {

namespace {
using enum CustomFormatControl;

constexpr int clientWidth = 11160;
constexpr int clientHeight = 8085;
constexpr int lineButtonsTop = 1320;
constexpr int firstRowTop = 2100;
constexpr int rowStep = 420;
constexpr int captionHeight = 255;
constexpr int rowCount = static_cast<int>(customFieldCount);
constexpr int rowColumns = 7;

// The seven controls of a field row follow one another from FieldLabel1 on: caption, field list,
// length caption, length box, text box, fill list, side list.
CustomFormatControl inRow(int position, int column) {
  return static_cast<CustomFormatControl>(controlIndex(FieldLabel1) +
                                          (position - 1) * rowColumns + column);
}

// The row position (1 to 8) of a control of the field rows in the given column; 0 for others.
int rowOf(CustomFormatControl id, int column) {
  const int offset = controlIndex(id) - controlIndex(FieldLabel1);
  if (offset < 0 || offset >= rowCount * rowColumns || offset % rowColumns != column) return 0;
  return offset / rowColumns + 1;
}

constexpr std::string_view lineCaptions[] = {"Fields of the header line (optional):",
                                             "Fields of each check's line:",
                                             "Fields of the trailer line (optional):"};

CustomFormatControl lineButton(CustomLineKind line) {
  return line == CustomLineKind::Header   ? headerLine
         : line == CustomLineKind::Detail ? detailLine
                                          : trailerLine;
}

std::vector<Control> designedControls() {
  using enum ControlKind;
  std::vector<Control> controls(static_cast<std::size_t>(CustomFormatControl::count));
  auto design = [&controls](CustomFormatControl id, ControlKind kind, std::string_view name,
                            Rect place, std::string text = {}) -> Control& {
    Control& control = controls[controlIndex(id)];
    control.kind = kind;
    control.name = name;
    control.place = place;
    control.text = std::move(text);
    return control;
  };
  design(Label1, Label, "Label1", {120, 120, clientWidth - 240, 615},
         "Create a Custom file format: Select CSV or TXT, the fields you want to include in your "
         "custom output file, choose the date format, name the Custom Format and then click Save.")
      .wordWrap = true;
  design(OptionCSV, OptionButton, "OptionCSV", {480, 840, 3480, 315},
         "&Comma Separated Values  (*.CSV)");
  design(OptionFixed, OptionButton, "OptionFixed", {4080, 840, 3480, 315},
         "Fi&xed Length Fields (*.TXT)");
  // Which line the field rows show: the button of the line shown is disabled.
  design(headerLine, Button, "headerLine", {180, lineButtonsTop, 1800, 375}, "&Header Line");
  design(detailLine, Button, "detailLine", {2100, lineButtonsTop, 1800, 375}, "Chec&k Lines");
  design(trailerLine, Button, "trailerLine", {4020, lineButtonsTop, 1800, 375}, "&Trailer Line");
  design(lineLabel, Label, "lineLabel", {180, firstRowTop - 330, 4260, captionHeight});
  design(textCaption, Label, "textCaption", {5700, firstRowTop - 330, 2100, captionHeight},
         "Text, Pattern or Codes");
  design(fillCaption, Label, "fillCaption", {7920, firstRowTop - 330, 1440, captionHeight}, "Fill");
  design(sideCaption, Label, "sideCaption", {9480, firstRowTop - 330, 1440, captionHeight}, "Side");
  // One row per field: its list at the left, its length to the right.
  // The design names of each row's controls, in the order of its columns.
  static constexpr std::string_view rowNames[rowCount][rowColumns] = {
      {"FieldLabel1", "CustomField1", "LengthLabel1", "FieldLength1",
       "FieldText1", "FieldFill1", "FieldSide1"},
      {"FieldLabel2", "CustomField2", "LengthLabel2", "FieldLength2",
       "FieldText2", "FieldFill2", "FieldSide2"},
      {"FieldLabel3", "CustomField3", "LengthLabel3", "FieldLength3",
       "FieldText3", "FieldFill3", "FieldSide3"},
      {"FieldLabel4", "CustomField4", "LengthLabel4", "FieldLength4",
       "FieldText4", "FieldFill4", "FieldSide4"},
      {"FieldLabel5", "CustomField5", "LengthLabel5", "FieldLength5",
       "FieldText5", "FieldFill5", "FieldSide5"},
      {"FieldLabel6", "CustomField6", "LengthLabel6", "FieldLength6",
       "FieldText6", "FieldFill6", "FieldSide6"},
      {"FieldLabel7", "CustomField7", "LengthLabel7", "FieldLength7",
       "FieldText7", "FieldFill7", "FieldSide7"},
      {"FieldLabel8", "CustomField8", "LengthLabel8", "FieldLength8",
       "FieldText8", "FieldFill8", "FieldSide8"}};
  for (int position = 1; position <= rowCount; ++position) {
    const int top = firstRowTop + (position - 1) * rowStep;
    const std::size_t row = static_cast<std::size_t>(position - 1);
    design(fieldLabel(position), Label, rowNames[row][0], {180, top + 45, 1200, captionHeight},
           "Field &" + std::to_string(position))
        .labelFor = controlIndex(customField(position));
    Control& field = design(customField(position), ComboBox, rowNames[row][1], {1440, top, 2760, 315});
    field.entries.assign(detailFieldNames.begin(), detailFieldNames.end());
    design(lengthLabel(position), Label, rowNames[row][2], {4320, top + 45, 600, captionHeight},
           "Len&gth")
        .labelFor = controlIndex(fieldLength(position));
    design(fieldLength(position), TextBox, rowNames[row][3], {4920, top, 660, 315});
    design(fieldText(position), TextBox, rowNames[row][4], {5700, top, 2100, 315});
    design(fieldFill(position), ComboBox, rowNames[row][5], {7920, top, 1440, 315})
        .entries.assign({"", std::string(zerosFill), std::string(spacesFill)});
    design(fieldSide(position), ComboBox, rowNames[row][6], {9480, top, 1440, 315})
        .entries.assign({"", std::string(leftSide), std::string(rightSide)});
  }
  const int belowRows = firstRowTop + rowCount * rowStep + 120;
  design(dateLabel, Label, "dateLabel", {180, belowRows + 45, 1200, captionHeight}, "&Date Format")
      .labelFor = controlIndex(dateFormat);
  design(dateFormat, ComboBox, "dateFormat", {1440, belowRows, 3000, 315})
      .entries.assign(customDatePatterns.begin(), customDatePatterns.end());
  design(VoidLabel, Label, "VoidLabel", {180, belowRows + rowStep + 45, 1200, captionHeight},
         "Is &Void Value")
      .labelFor = controlIndex(isVoidValue);
  design(isVoidValue, TextBox, "isVoidValue", {1440, belowRows + rowStep, 3000, 315});
  design(saveAsLabel, Label, "saveAsLabel",
         {180, belowRows + 2 * rowStep + 45, 1200, captionHeight}, "Custom &Format")
      .labelFor = controlIndex(saveAsName);
  design(saveAsName, TextBox, "saveAsName", {1440, belowRows + 2 * rowStep, 3000, 315});
  design(Line1, Line, "Line1", {15, 7140, clientWidth - 45, 15});
  design(exportFormat, Button, "exportFormat", {180, 7380, 1215, 375}, "&Export...");
  design(importFormat, Button, "importFormat", {1560, 7380, 1215, 375}, "&Import...");
  design(deleteFormat, Button, "deleteFormat", {8130, 7380, 1215, 375}, "De&lete");
  design(saveSettings, Button, "saveSettings", {9570, 7380, 1215, 375}, "&Save");
  return controls;
}
}  // namespace

CustomFormatControl fieldLabel(int position) { return inRow(position, 0); }
CustomFormatControl customField(int position) { return inRow(position, 1); }
CustomFormatControl lengthLabel(int position) { return inRow(position, 2); }
CustomFormatControl fieldLength(int position) { return inRow(position, 3); }
CustomFormatControl fieldText(int position) { return inRow(position, 4); }
CustomFormatControl fieldFill(int position) { return inRow(position, 5); }
CustomFormatControl fieldSide(int position) { return inRow(position, 6); }

CustomFormatModel::CustomFormatModel(const WindowServices& services, ExportModel& mainWindow)
    : services_(services),
      mainWindow_(&mainWindow),
      controls_(designedControls()),
      caption_("Custom Format") {
  showLine(CustomLineKind::Detail);
  maintainOptionalFields();
}

Size CustomFormatModel::clientSize() const { return {clientWidth, clientHeight}; }

void CustomFormatModel::open(std::string_view name) {
  at(saveAsName).text = std::string(name);
  activation();
}

void CustomFormatModel::textChanged(CustomFormatControl id, std::string_view text) {
  Control& box = at(id);
  if (box.kind != ControlKind::TextBox && box.kind != ControlKind::ComboBox) return;
  box.text = std::string(text);
  box.selected = entryIndex(box.entries, box.text);
}

void CustomFormatModel::entryChosen(CustomFormatControl id, int index) {
  const Control& list = control(id);
  if (list.kind != ControlKind::ComboBox || index < 0 ||
      index >= static_cast<int>(list.entries.size())) {
    return;
  }
  textChanged(id, list.entries[static_cast<std::size_t>(index)]);
}

void CustomFormatModel::clicked(CustomFormatControl id) {
  if (closed_ || !control(id).enabled || !control(id).visible) return;
  switch (id) {
    case OptionCSV:
    case OptionFixed:
      at(OptionCSV).checked = id == OptionCSV ? 1 : 0;
      at(OptionFixed).checked = id == OptionFixed ? 1 : 0;
      maintainOptionalFields();
      break;
    case headerLine:
      showLine(CustomLineKind::Header);
      break;
    case detailLine:
      showLine(CustomLineKind::Detail);
      break;
    case trailerLine:
      showLine(CustomLineKind::Trailer);
      break;
    case exportFormat:
      exportToFile();
      break;
    case importFormat:
      importFromFile();
      break;
    case saveSettings: {
      CustomFormat format = formatFromControls();
      const SaveResult result = saveCustomFormat(*services_.settings, format);
      showLengths(format);
      if (!result.saved()) {
        showMessage(result.message.text);
        return;
      }
      mainWindow_->showBankFormat(fromCore(result.bankListText));
      close();
      break;
    }
    case deleteFormat: {
      const std::string name = toCore(control(saveAsName).text);
      // A format never saved has nothing to delete: the editor closes and the main window keeps
      // its bank.
      if (!customFormatExists(*services_.settings, name)) {
        close();
        return;
      }
      if (ask("Delete the custom format '" + name + "'?") != MessageBoxAnswer::Yes) return;
      if (const std::optional<EditorMessage> refused =
              deleteCustomFormat(*services_.settings, name)) {
        showMessage(refused->text);
        return;
      }
      mainWindow_->showBankFormat("");
      close();
      break;
    }
    default:
      break;
  }
}

void CustomFormatModel::left(CustomFormatControl id) {
  if (closed_) return;
  if (const int position = rowOf(id, 1) + rowOf(id, 4)) {
    CustomFormat format = formatFromControls();
    if (shownLine_ == CustomLineKind::Detail) {
      validateField(format, position);
    } else {
      validateLineField(shownLine_ == CustomLineKind::Header ? format.header : format.trailer,
                        position, format.dateFormat);
    }
    showLengths(format);
  } else if (rowOf(id, 3) != 0) {
    Control& box = at(id);
    box.text = fromCore(validateLength(toCore(box.text)));
  } else if (id == dateFormat) {
    CustomFormat format = formatFromControls();
    validateDateFormat(format);
    showLengths(format);
  }
}

void CustomFormatModel::activated() {
  if (closed_) return;
  if (inMessage_ || returningFromMessage_) {
    returningFromMessage_ = false;
  } else {
    activation();
  }
}

void CustomFormatModel::deactivated() {
  // The user went to another window: coming back is a real return.
  if (!inMessage_) returningFromMessage_ = false;
}

void CustomFormatModel::closeBox() {
  if (!closed_) close();
}

void CustomFormatModel::activation() {
  const CustomFormat format =
      activateCustomFormatEditor(*services_.settings, toCore(control(saveAsName).text));
  at(saveAsName).text = fromCore(format.name);
  showFormat(format);
}

void CustomFormatModel::showFormat(const CustomFormat& format) {
  header_ = format.header;
  detail_ = format.detail();
  trailer_ = format.trailer;
  lineFields_ = format.lineFields;
  showRows(shownLine_ == CustomLineKind::Header    ? header_
           : shownLine_ == CustomLineKind::Trailer ? trailer_
                                                   : detail_);
  at(isVoidValue).text = fromCore(format.voidValue);
  textChanged(dateFormat, fromCore(format.dateFormat));
  at(OptionCSV).checked = format.fixedLength ? 0 : 1;
  at(OptionFixed).checked = format.fixedLength ? 1 : 0;
  maintainOptionalFields();
  showLengths(format);
}

// The lengths of every line as the validators left them; the rows show the shown line's.
void CustomFormatModel::showLengths(const CustomFormat& format) {
  header_.lengths = format.header.lengths;
  detail_.lengths = format.lengths;
  trailer_.lengths = format.trailer.lengths;
  const CustomLine& shown = shownLine_ == CustomLineKind::Header    ? header_
                            : shownLine_ == CustomLineKind::Trailer ? trailer_
                                                                    : detail_;
  for (int position = 1; position <= rowCount; ++position) {
    at(fieldLength(position)).text = fromCore(shown.lengths[std::size_t(position - 1)]);
  }
}

// The field rows take the fields of line: what they showed is kept for the line they showed.
void CustomFormatModel::showLine(CustomLineKind line) {
  CustomLine& before = shownLine_ == CustomLineKind::Header    ? header_
                       : shownLine_ == CustomLineKind::Trailer ? trailer_
                                                               : detail_;
  before = rowsLine();
  shownLine_ = line;
  const std::vector<std::string_view> names = lineFieldNames(line);
  for (int position = 1; position <= rowCount; ++position) {
    at(customField(position)).entries.assign(names.begin(), names.end());
  }
  showRows(line == CustomLineKind::Header    ? header_
           : line == CustomLineKind::Trailer ? trailer_
                                             : detail_);
  for (CustomLineKind each : {CustomLineKind::Header, CustomLineKind::Detail,
                              CustomLineKind::Trailer}) {
    at(lineButton(each)).enabled = each != line;
  }
  at(lineLabel).text = std::string(lineCaptions[static_cast<int>(line)]);
}

void CustomFormatModel::showRows(const CustomLine& line) {
  for (int position = 1; position <= rowCount; ++position) {
    const auto i = std::size_t(position - 1);
    textChanged(customField(position), fromCore(line.fields[i]));
    at(fieldLength(position)).text = fromCore(line.lengths[i]);
    at(fieldText(position)).text = fromCore(line.texts[i]);
    textChanged(fieldFill(position), fromCore(line.fills[i]));
    textChanged(fieldSide(position), fromCore(line.sides[i]));
  }
}

CustomLine CustomFormatModel::rowsLine() const {
  CustomLine line;
  for (int position = 1; position <= rowCount; ++position) {
    const auto i = std::size_t(position - 1);
    line.fields[i] = toCore(control(customField(position)).text);
    line.lengths[i] = toCore(control(fieldLength(position)).text);
    line.texts[i] = toCore(control(fieldText(position)).text);
    line.fills[i] = toCore(control(fieldFill(position)).text);
    line.sides[i] = toCore(control(fieldSide(position)).text);
  }
  return line;
}

// Fill and side matter only to fixed-length fields.
void CustomFormatModel::maintainOptionalFields() {
  const bool fixedLength = control(OptionFixed).checked == 1;
  at(fillCaption).visible = fixedLength;
  at(sideCaption).visible = fixedLength;
  for (int position = 1; position <= rowCount; ++position) {
    at(lengthLabel(position)).visible = fixedLength;
    at(fieldLength(position)).visible = fixedLength;
    at(fieldFill(position)).visible = fixedLength;
    at(fieldSide(position)).visible = fixedLength;
  }
}

CustomFormat CustomFormatModel::formatFromControls() const {
  CustomFormat format;
  format.name = toCore(control(saveAsName).text);
  const CustomLine shown = rowsLine();
  format.header = shownLine_ == CustomLineKind::Header ? shown : header_;
  format.trailer = shownLine_ == CustomLineKind::Trailer ? shown : trailer_;
  CustomLine detail = shownLine_ == CustomLineKind::Detail ? shown : detail_;
  format.fields = detail.fields;
  format.lengths = detail.lengths;
  detail.fields = {};
  detail.lengths = {};
  format.detailExtras = detail;
  format.lineFields = lineFields_;
  format.voidValue = toCore(control(isVoidValue).text);
  format.dateFormat = toCore(control(dateFormat).text);
  format.fixedLength = control(OptionFixed).checked == 1;
  return format;
}

// Export...: the format as the editor shows it, in a file to share; what Save would refuse is not
// written.
void CustomFormatModel::exportToFile() {
  CustomFormat format = formatFromControls();
  const std::optional<EditorMessage> refused = refusedCustomFormat(format);
  showLengths(format);
  if (refused) {
    showMessage(refused->text);
    return;
  }
  if (services_.files == nullptr) return;
  FileDialogSettings dialog;
  dialog.title = "Export Custom Format";
  dialog.filters = {"Custom Format Files (*.json)", "All Files"};
  dialog.askBeforeReplacing = true;
  dialog.initialFileName = fromCore(std::string(trimSpaces(format.name))) + ".json";
  const FileChoice choice = services_.files->chooseFile(dialog);
  if (choice.outcome != FileChoice::Outcome::Chosen) return;
  format.name = std::string(trimSpaces(format.name));
  const std::string failure = writeCustomFormatFileAt(format, choice.path);
  if (!failure.empty()) {
    showMessage("Could not create " + toCore(choice.path) + ".\r\n\r\n" + failure);
  }
}

// Import...: a custom format file checked whole; the editor then shows it, to be saved by Save.
void CustomFormatModel::importFromFile() {
  if (services_.files == nullptr) return;
  FileDialogSettings dialog;
  dialog.title = "Import Custom Format";
  dialog.filters = {"Custom Format Files (*.json)", "All Files"};
  const FileChoice choice = services_.files->chooseFile(dialog);
  if (choice.outcome != FileChoice::Outcome::Chosen) return;
  const CustomFormatFileRead read = readCustomFormatFileAt(choice.path);
  if (!read.format) {
    showMessage("The custom format file cannot be imported: " + read.error + ".");
    return;
  }
  at(saveAsName).text = fromCore(read.format->name);
  showFormat(*read.format);
}

void CustomFormatModel::showMessage(std::string text) {
  inMessageBox({MessageBoxIcon::Stop, fromCore(applicationTitle), messageText(text)});
}

MessageBoxAnswer CustomFormatModel::ask(const std::string& question) {
  return inMessageBox({MessageBoxIcon::Warning, fromCore(applicationTitle), fromCore(question),
                       MessageBoxButtons::YesNo});
}

MessageBoxAnswer CustomFormatModel::inMessageBox(const MessageBoxRequest& message) {
  if (services_.messages == nullptr) return MessageBoxAnswer::No;
  inMessage_ = true;
  const MessageBoxAnswer answer = services_.messages->show(message);
  inMessage_ = false;
  returningFromMessage_ = true;
  return answer;
}

void CustomFormatModel::close() {
  closed_ = true;
  mainWindow_->editorClosed();
}

}  // namespace ppexport::window

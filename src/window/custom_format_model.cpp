#include "window/custom_format_model.h"

#include <string>

#include "create/messages.h"
#include "custom/custom_format.h"
#include "custom/custom_format_editor.h"
#include "window/export_model.h"
#include "window/window_text.h"

namespace ppexport::window {

namespace {
using enum CustomFormatControl;

constexpr int clientWidth = 7950;
constexpr int clientHeight = 7365;
constexpr int firstRowTop = 1380;
constexpr int rowStep = 420;
constexpr int captionHeight = 255;
constexpr int rowCount = static_cast<int>(customFieldCount);

// The four controls of a field row follow one another from FieldLabel1 on.
CustomFormatControl inRow(int position, int column) {
  return static_cast<CustomFormatControl>(controlIndex(FieldLabel1) + (position - 1) * 4 + column);
}

// The row position (1 to 8) of a control of the field rows in the given column; 0 for others.
int rowOf(CustomFormatControl id, int column) {
  const int offset = controlIndex(id) - controlIndex(FieldLabel1);
  if (offset < 0 || offset >= rowCount * 4 || offset % 4 != column) return 0;
  return offset / 4 + 1;
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
  design(Label1, Label, "Label1", {120, 120, 7710, 615},
         "Create a Custom file format: Select CSV or TXT, the fields you want to include in your "
         "custom output file, choose the date format, name the Custom Format and then click Save.")
      .wordWrap = true;
  design(OptionCSV, OptionButton, "OptionCSV", {480, 840, 3480, 315},
         "&Comma Separated Values  (*.CSV)");
  design(OptionFixed, OptionButton, "OptionFixed", {4080, 840, 3480, 315},
         "Fi&xed Length Fields (*.TXT)");
  // One row per field: its list at the left, its length to the right.
  static constexpr std::string_view fieldLabels[] = {"FieldLabel1", "FieldLabel2", "FieldLabel3",
                                                     "FieldLabel4", "FieldLabel5", "FieldLabel6",
                                                     "FieldLabel7", "FieldLabel8"};
  static constexpr std::string_view fields[] = {"CustomField1", "CustomField2", "CustomField3",
                                                "CustomField4", "CustomField5", "CustomField6",
                                                "CustomField7", "CustomField8"};
  static constexpr std::string_view lengthLabels[] = {
      "LengthLabel1", "LengthLabel2", "LengthLabel3", "LengthLabel4",
      "LengthLabel5", "LengthLabel6", "LengthLabel7", "LengthLabel8"};
  static constexpr std::string_view lengths[] = {"FieldLength1", "FieldLength2", "FieldLength3",
                                                 "FieldLength4", "FieldLength5", "FieldLength6",
                                                 "FieldLength7", "FieldLength8"};
  for (int position = 1; position <= rowCount; ++position) {
    const int top = firstRowTop + (position - 1) * rowStep;
    const std::size_t row = static_cast<std::size_t>(position - 1);
    design(fieldLabel(position), Label, fieldLabels[row], {180, top + 45, 1200, captionHeight},
           "Field &" + std::to_string(position))
        .labelFor = controlIndex(customField(position));
    Control& field = design(customField(position), ComboBox, fields[row], {1440, top, 3000, 315});
    field.entries.assign(customFieldNames.begin(), customFieldNames.end());
    design(lengthLabel(position), Label, lengthLabels[row], {4680, top + 45, 720, captionHeight},
           "Len&gth")
        .labelFor = controlIndex(fieldLength(position));
    design(fieldLength(position), TextBox, lengths[row], {5460, top, 900, 315});
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
  design(Line1, Line, "Line1", {15, 6420, 7905, 15});
  design(deleteFormat, Button, "deleteFormat", {4920, 6660, 1215, 375}, "De&lete");
  design(saveSettings, Button, "saveSettings", {6360, 6660, 1215, 375}, "&Save");
  return controls;
}
}  // namespace

CustomFormatControl fieldLabel(int position) { return inRow(position, 0); }
CustomFormatControl customField(int position) { return inRow(position, 1); }
CustomFormatControl lengthLabel(int position) { return inRow(position, 2); }
CustomFormatControl fieldLength(int position) { return inRow(position, 3); }

CustomFormatModel::CustomFormatModel(const WindowServices& services, ExportModel& mainWindow)
    : services_(services),
      mainWindow_(&mainWindow),
      controls_(designedControls()),
      caption_("Custom Format") {
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
  if (const int position = rowOf(id, 1)) {
    CustomFormat format = formatFromControls();
    validateField(format, position);
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
  for (int position = 1; position <= rowCount; ++position) {
    textChanged(customField(position), fromCore(format.fields[std::size_t(position - 1)]));
  }
  at(isVoidValue).text = fromCore(format.voidValue);
  textChanged(dateFormat, fromCore(format.dateFormat));
  at(OptionCSV).checked = format.fixedLength ? 0 : 1;
  at(OptionFixed).checked = format.fixedLength ? 1 : 0;
  maintainOptionalFields();
  showLengths(format);
}

void CustomFormatModel::showLengths(const CustomFormat& format) {
  for (int position = 1; position <= rowCount; ++position) {
    at(fieldLength(position)).text = fromCore(format.lengths[std::size_t(position - 1)]);
  }
}

void CustomFormatModel::maintainOptionalFields() {
  const bool fixedLength = control(OptionFixed).checked == 1;
  for (int position = 1; position <= rowCount; ++position) {
    at(lengthLabel(position)).visible = fixedLength;
    at(fieldLength(position)).visible = fixedLength;
  }
}

CustomFormat CustomFormatModel::formatFromControls() const {
  CustomFormat format;
  format.name = toCore(control(saveAsName).text);
  for (int position = 1; position <= rowCount; ++position) {
    format.fields[std::size_t(position - 1)] = toCore(control(customField(position)).text);
    format.lengths[std::size_t(position - 1)] = toCore(control(fieldLength(position)).text);
  }
  format.voidValue = toCore(control(isVoidValue).text);
  format.dateFormat = toCore(control(dateFormat).text);
  format.fixedLength = control(OptionFixed).checked == 1;
  return format;
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

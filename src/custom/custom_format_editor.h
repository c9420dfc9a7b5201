#pragma once
// The rules of the custom format editor: what its boxes hold when it opens, how leaving a box
// corrects it, and what Save and Delete store. The window only copies its controls into a
// CustomFormat, calls these, copies the result back and shows the message it is given.

#include <optional>
#include <string>
#include <string_view>

#include "custom/custom_format.h"

namespace ppexport {

class SettingsStore;

// A message for the editor to show in a modal box with an OK button and the application's
// default title.
struct EditorMessage {
  enum class Icon { Stop };
  std::string text;
  Icon icon = Icon::Stop;
};

inline constexpr std::string_view noNameMessage = "To save a custom format, give it a name.";
inline constexpr std::string_view prefixedNameMessage =
    "A custom format's name cannot begin with \"Custom Format:\". Please choose another name.";
inline constexpr std::string_view noFieldMessage =
    "To save a custom format, specify at least one field.";
inline constexpr std::string_view missingLengthMessage =
    "To save a fixed length field custom format, specify the field length as a number for each "
    "field selected.";
inline constexpr std::string_view statusCodeMessage =
    "A Status Code field needs its codes as its text: the code of an issued check and of a voided "
    "check, and of a voided check without an amount when the bank has one, separated by \"/\" "
    "(for example 320/370/430).";
inline constexpr std::string_view fillSideMessage =
    "A field's fill must be Zeros or Spaces and its side Left or Right.";

// Every time the editor becomes the active window: the format of the name box when it holds a
// name, otherwise the proposed name ("Default", "Default 2", ...) with what is stored under it.
CustomFormat activateCustomFormatEditor(SettingsStore& store, std::string_view nameBoxText);

// Leaving field box `position` (1 to 8): a "Date" field's length becomes the number of characters
// of the date pattern. Any other field leaves its length alone.
void validateField(CustomFormat& format, int position);

// Leaving field box `position` (1 to 8) of a header or trailer line: a "File Date" field's
// length becomes the number of characters of its pattern (the field's own, else the format's).
void validateLineField(CustomLine& line, int position, std::string_view dateFormat);

// Leaving the date pattern box: every "Date" field's length follows the pattern.
void validateDateFormat(CustomFormat& format);

// Leaving a length box: the new text of the box. The text trimmed; a number becomes the absolute
// value of its whole number, rounded half to even ("2.5" gives "2", "-12" gives "12"), and an empty
// box when that is 0; a number beyond the 32-bit range stays as typed, trimmed; anything else
// empties the box.
std::string validateLength(std::string_view text);

enum class SaveOutcome {
  Saved,        // the main window's bank list shows and applies bankListText; the editor closes
  Refused,      // the format is incomplete; nothing was written; the editor stays open
  StoreFailed,  // the store refused a write; the editor stays open so the user can try again
};

struct SaveResult {
  SaveOutcome outcome = SaveOutcome::Refused;
  EditorMessage message;     // for Refused and StoreFailed
  std::string bankListText;  // for Saved: "Custom Format: " + the trimmed name
  bool saved() const { return outcome == SaveOutcome::Saved; }
};

// What Save would refuse format for, after running the date validator on it; nothing when it can
// be saved (or exported).
std::optional<EditorMessage> refusedCustomFormat(CustomFormat& format);

// Save: runs the date validator on format (so the window shows the lengths it corrected), refuses
// a format without a field, a fixed-length one with a field (of any line; a Constant excepted)
// whose length is empty or not a number, a fill or side that is none of the offered ones, and a
// Status Code whose text lists no codes; otherwise writes the 21 keys under the trimmed name,
// overwriting a format of that name. A format with a header or trailer line, a detail field beyond
// the eight check fields, or a fill or side also gets the keys of customLineKeys; one without them
// has those keys removed, so that it is read as it was saved.
SaveResult saveCustomFormat(SettingsStore& store, CustomFormat& format);

// Delete: removes the 21 keys and those of customLineKeys of the name box text exactly as it
// stands (not trimmed); keys that
// do not exist are skipped. Then the main window's bank list text becomes empty and the editor
// closes. Nothing to show unless the store refused a removal: then a message to show, and the
// editor stays open.
std::optional<EditorMessage> deleteCustomFormat(SettingsStore& store, std::string_view nameBoxText);

}  // namespace ppexport

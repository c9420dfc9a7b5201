#pragma once
// Which identifier inputs each built-in bank format asks for, with the captions the window shows
// them under. The visible set also decides which identifiers reach the review file.

#include <optional>
#include <string_view>

namespace ppexport {

struct InputCaption {
  bool shown = false;
  std::string_view caption;  // the window's design caption where the format gives none
  bool star = false;         // the bank supplies this value
};

// How the window lays out a few inputs for some formats (their design positions otherwise).
enum class InputLayout {
  Standard,
  WideRemoteId,          // the remote ID box as wide as two boxes (a header line)
  TdBankCanada,          // remote ID and batch boxes moved right for their longer captions
  BankCodeListRaised,    // the bank-code list moved up into the identifier rows
  WideRemoteIdAndBankCodeListRaised,
  NarrowPlanNumberCaption,  // the batch caption moved left and narrowed ("Plan Number")
};

struct BankInputs {
  InputCaption remoteId;
  InputCaption bankId;
  InputCaption batchId;
  InputCaption accountId;
  bool bankCodeList = false;         // the bank-code pick list is shown (and filled)
  std::string_view bankCodeCaption;  // its caption when shown
  std::string_view note;             // the note under the inputs; "" shows nothing
  InputLayout layout = InputLayout::Standard;
};

// The inputs of a built-in bank format by its exact name; nothing for any other text.
std::optional<BankInputs> bankInputs(std::string_view bankFormatName);

}  // namespace ppexport

namespace ppexport {

// Which identifiers a bank list entry shows: those of a built-in format; for a custom format, or
// a text that names no format, the account number alone.
struct VisibleIdentifiers {
  bool remoteId = false;
  bool bankId = false;
  bool batchId = false;
  bool accountId = true;
};
VisibleIdentifiers visibleIdentifiers(std::string_view bankListText);

}  // namespace ppexport

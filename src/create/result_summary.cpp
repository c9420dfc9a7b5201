#include "create/result_summary.h"

#include <algorithm>
#include <array>

#include "create/bank_codes.h"
#include "create/bank_inputs.h"
#include "create/format_dispatch.h"
#include "create/messages.h"
#include "text/amounts.h"
#include "text/windows1252.h"

namespace ppexport {

namespace {
struct IdentifierInput {
  Identifier identifier;
  std::string_view caption;
};

// The four identifier inputs in the order their warnings come, with the window's captions for the
// format: those of its row, the design captions where it shows none, "Account Number" for a custom
// format.
std::array<IdentifierInput, 4> identifierInputs(std::string_view bankListText) {
  std::array<IdentifierInput, 4> inputs{{{Identifier::RemoteId, "Remote ID"},
                                         {Identifier::BankId, "Bank ID"},
                                         {Identifier::BatchId, "Batch ID"},
                                         {Identifier::AccountId, "Account Number"}}};
  if (std::optional<BankInputs> shown = bankInputs(bankListText)) {
    const InputCaption* captions[] = {&shown->remoteId, &shown->bankId, &shown->batchId,
                                      &shown->accountId};
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      if (!captions[i]->shown) continue;
      inputs[i].caption = captions[i]->caption;
    }
  }
  return inputs;
}

const std::string& typedText(const WriterInputs& inputs, Identifier identifier) {
  switch (identifier) {
    case Identifier::RemoteId:
      return inputs.remoteId;
    case Identifier::BankId:
      return inputs.bankId;
    case Identifier::BatchId:
      return inputs.batchId;
    case Identifier::AccountId:
    case Identifier::CheckNumber:
      break;
  }
  return inputs.accountId;
}

void addOnce(std::vector<std::string>& lines, std::string line) {
  if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(std::move(line));
}
}  // namespace

std::vector<std::string> identifierWarnings(std::string_view bankListText,
                                            const WriterInputs& inputs,
                                            const WriterResult& written) {
  std::vector<std::string> warnings;
  for (const IdentifierInput& input : identifierInputs(bankListText)) {
    const std::string caption(input.caption);
    const std::string& value = typedText(inputs, input.identifier);
    bool writtenAtAll = false;
    bool zeroFilled = false;
    std::string carried;  // what the first zero-filled field of it carries
    std::vector<std::string> longer;
    for (const WrittenIdentifier& field : written.identifiers) {
      if (field.identifier != input.identifier) continue;
      writtenAtAll = true;
      if (field.zeroFilled && !zeroFilled) carried = field.written;
      zeroFilled = zeroFilled || field.zeroFilled;
      if (field.cut()) {
        addOnce(longer, "Warning: " + caption + " is longer than its field of " +
                            std::to_string(field.width) + " characters; the file carries '" +
                            field.written + "'.");
      }
    }
    if (!writtenAtAll) continue;
    // An empty value is written all the same: as zeros the bank would read a number.
    if (value.empty()) {
      warnings.push_back("Warning: " + caption + " is empty" +
                         (zeroFilled ? "; the file carries " + carried + "." : "."));
      continue;
    }
    warnings.insert(warnings.end(), longer.begin(), longer.end());
    if (zeroFilled && !allDigits(value)) {
      warnings.push_back("Warning: " + caption + " '" + value + "' is not a number.");
    }
  }
  const std::span<const std::string_view> codes = bankCodeList(bankListText);
  if (!codes.empty() &&
      std::find(codes.begin() + 1, codes.end(), std::string_view(inputs.bankCode)) == codes.end()) {
    warnings.push_back("Warning: no bank code was picked from the list.");
  }
  return warnings;
}

std::string leftOutLine(int leftOut) {
  return "Left out " + std::to_string(leftOut) + (leftOut == 1 ? " check" : " checks") +
         " sent in earlier files.";
}

std::string controlTotalLines(const ControlTotals& totals) {
  auto line = [](std::string_view label, const CheckTotal& total) {
    return std::string(label) + std::to_string(total.count) + ", total " +
           dollarsFromCents(total.cents);
  };
  return line("Issued checks: ", totals.issued) + std::string(lineBreak) +
         line("Voided checks: ", totals.voided);
}

bool namedLikeReviewFile(std::string_view bankFilePath) {
  const std::size_t slash = bankFilePath.find_last_of("/\\");
  const std::string_view name =
      slash == std::string_view::npos ? bankFilePath : bankFilePath.substr(slash + 1);
  return upperCase(name) == upperCase(reviewFileName);
}

FileSummary summarizeWrittenFile(std::string_view bankListText, std::string_view shownName,
                                 const WriterInputs& inputs, const WriterResult& written,
                                 const ReviewRequest& review,
                                 std::vector<std::string> earlierWarnings,
                                 const std::vector<std::string>& historyWarnings) {
  FileSummary summary;
  summary.fileName = shownName;
  summary.count = written.count;
  summary.totals = controlTotals(written.checks);
  summary.leftOut = written.leftOut;
  summary.allSentBefore = written.allSentBefore;
  std::string text = written.allSentBefore
                         ? "No new checks: every check was sent in an earlier file, so " +
                               std::string(shownName) + " was left as it was."
                         : createdMessage(shownName, written.count);
  if (written.count > 0) {
    text += lineBreak;
    text += lineBreak;
    text += controlTotalLines(summary.totals);
  }
  // Below the control totals, or after an empty line below the message without them.
  if (written.leftOut > 0) {
    text += lineBreak;
    if (written.count == 0) text += lineBreak;
    text += leftOutLine(written.leftOut);
  }
  std::vector<std::string>& warnings = summary.warnings;
  warnings = std::move(earlierWarnings);
  warnings.insert(warnings.end(), written.formatWarnings.begin(), written.formatWarnings.end());
  const std::vector<std::string> identifiers = identifierWarnings(bankListText, inputs, written);
  warnings.insert(warnings.end(), identifiers.begin(), identifiers.end());
  warnings.insert(warnings.end(), written.warnings.begin(), written.warnings.end());

  if (review.asked && written.count > 0 && review.checks != nullptr && review.vendors != nullptr) {
    if (namedLikeReviewFile(inputs.fileName)) {
      warnings.push_back(std::string(reviewFileClashWarning));
    } else {
      const ReviewResult reviewed = writeReviewFile(
          *review.checks, *review.vendors, inputs.fileName, review.identifiers, inputs.now,
          inputs.leaveOut);
      if (reviewed.count != 0) summary.reviewFile = reviewFilePath(shownName);
      text = createdWithReviewMessage(text, reviewed.count != 0);
    }
  }
  warnings.insert(warnings.end(), historyWarnings.begin(), historyWarnings.end());
  summary.message = withWarnings(text, warnings);
  return summary;
}

}  // namespace ppexport

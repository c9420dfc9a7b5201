#include "formats/bank_file.h"

#include <algorithm>
#include <exception>
#include <thread>

#include "text/amounts.h"

namespace ppexport {

std::string checkWarning(std::string_view checkNumber, std::string_view problem) {
  std::string line = "Warning: check ";
  line += checkNumber;
  line += ": ";
  line += problem;
  return line;
}

namespace {
const VendorIndex noVendors;
}  // namespace

BankFile::BankFile(const WriterInputs& inputs)
    : inputs_(&inputs), vendors_(inputs.vendors != nullptr ? inputs.vendors : &noVendors),
      file_(inputs.fileName) {
  if (inputs.checks != nullptr) columns_ = CheckColumns::find(*inputs.checks);
}

void BankFile::noteRowWritten(bool amountTooLong, const std::optional<std::int64_t>& cents) {
  rowWritten_ = true;
  row_.amountTooLong = row_.amountTooLong || amountTooLong;
  if (cents && !rowHasCents_) {
    row_.cents = *cents;
    rowHasCents_ = true;
  }
}

// Each distinct field of an identifier is kept once; the check number's field marks its row.
void BankFile::noteIdentifiers(const IdentifierFields& fields, std::string_view line) {
  for (const IdentifierField& field : fields) {
    if (field.identifier == Identifier::CheckNumber) {
      if (inRow_ && field.zeroFilled) row_.numberZeroFilled = true;
      continue;
    }
    bool known = false;
    for (const WrittenIdentifier& noted : result_.identifiers) {
      known = known || (noted.identifier == field.identifier && noted.width == field.width &&
                        noted.zeroFilled == field.zeroFilled);
    }
    if (known) continue;
    std::string_view value;
    switch (field.identifier) {
      case Identifier::RemoteId: value = inputs_->remoteId; break;
      case Identifier::BankId: value = inputs_->bankId; break;
      case Identifier::BatchId: value = inputs_->batchId; break;
      case Identifier::AccountId: value = inputs_->accountId; break;
      case Identifier::CheckNumber: break;
    }
    const std::string_view written = line.substr(field.offset, field.length);
    result_.identifiers.push_back(WrittenIdentifier{field.identifier, std::string(value),
                                                    std::string(written), field.width,
                                                    field.zeroFilled});
  }
}

void BankFile::write(const FixedRecord& record) {
  file_.writeLine(record.line());
  noteIdentifiers(record.identifiers(), record.line());
  if (inRow_) noteRowWritten(record.amountTooLong(), record.writtenCents());
}

void BankFile::write(const DelimitedLine& line) {
  file_.writeLine(line.line());
  noteIdentifiers(line.identifiers(), line.line());
  if (inRow_) {
    row_.numberCleaned = row_.numberCleaned || line.numberCleaned();
    noteRowWritten(line.amountTooLong(), line.writtenCents());
  }
}

void BankFile::write(std::string_view line) {
  file_.writeLine(line);
  if (inRow_) noteRowWritten(false, std::nullopt);
}

void BankFile::writeNoLine() {
  if (inRow_) noteRowWritten(false, std::nullopt);
}

bool BankFile::startWalk() {
  if (!columns_ || inputs_->checks == nullptr) return false;
  // One entry per row at most: reserved once, so that a large file is not copied as it grows.
  if (result_.checks.capacity() == 0) {
    result_.checks.reserve(static_cast<std::size_t>(std::max(0, inputs_->checks->rows() - 1)));
  }
  return true;
}

// A negative amount in cents (a positive register amount) is no issued check the bank can match:
// left out, a presented check of that number comes to the user as an exception.
bool BankFile::negativeAmount(const CheckRow& check) {
  const std::int64_t cents = check.amountInCents();
  if (cents >= 0) return false;
  // A walk ahead of the records, for a header's count, leaves the warning to the walk that writes.
  if (previewing_) return true;
  negativeWarnings_.push_back("Warning: check " + std::string(check.checkNumber()) +
                              " has a negative amount, " +
                              formatTwoDecimals(static_cast<double>(cents) / 100) +
                              ", and was left out");
  return true;
}

// A check an earlier file carried is neither counted nor written when only new ones are asked for.
bool BankFile::leftOut(const CheckRow& check) {
  if (!inputs_->leaveOut ||
      !inputs_->leaveOut(check.checkNumber(), check.isVoid(), check.amountInCents())) {
    return false;
  }
  if (!previewing_) ++result_.leftOut;
  return true;
}

void BankFile::startRow() {
  inRow_ = true;
  rowWritten_ = false;
  rowHasCents_ = false;
  row_ = WrittenCheck{};
}

void BankFile::finishRow(const CheckRow& check) {
  inRow_ = false;
  if (!rowWritten_) return;
  row_.number = check.checkNumber();
  row_.date = check.checkDate();
  // A row whose line carries no amount counts with the amount the format reports for it.
  if (!rowHasCents_) row_.cents = check.amountInCents();
  row_.isVoid = check.isVoid();
  row_.payee = check.payee();
  row_.amountUnreadable = !check.amountReadable();
  row_.dateUnreadable = !check.checkDate();
  result_.checks.push_back(row_);
}

WriterResult BankFile::finish(int count) {
  result_.count = count;
  // A report changed on disk while it was read may have given rows of two versions of it.
  if ((inputs_->checks != nullptr && !inputs_->checks->unchanged()) || !vendors_->unchanged()) {
    file_.abandon(reportChangedReason);
  }
  struct AfterCommit {
    const WriterInputs& inputs;
    ~AfterCommit() {
      if (inputs.afterCommit) inputs.afterCommit();
    }
  } afterCommit{*inputs_};
  // A file without a check in place of the earlier one would leave the bank fewer checks to match.
  if (result_.leftOut > 0 && result_.checks.empty()) {
    result_.allSentBefore = true;
    file_.abandon(allSentBeforeReason);
  }
  if (inputs_->beforeCommit && file_.failure().empty()) inputs_->beforeCommit(*inputs_, result_);
  // A large file's warnings are worked out on a second thread while the file goes to disk, which
  // mostly waits for the disk. Both only read what the walk recorded.
  constexpr std::size_t kWarningsAside = 4096;
  if (result_.checks.size() < kWarningsAside) {
    result_.warnings = checkWarnings(result_.checks, inputs_->rowNote);
    result_.written = file_.commit();
  } else {
    std::exception_ptr failure;
    std::thread warnings([this, &failure] {
      try {
        result_.warnings = checkWarnings(result_.checks, inputs_->rowNote);
      } catch (...) {
        failure = std::current_exception();
      }
    });
    result_.written = file_.commit();
    warnings.join();
    if (failure) std::rethrow_exception(failure);
  }
  result_.failure = file_.failure();
  result_.warnings.insert(result_.warnings.begin(), negativeWarnings_.begin(),
                          negativeWarnings_.end());
  return std::move(result_);
}

}  // namespace ppexport

#include "formats/bank_file.h"

namespace ppexport {

std::string checkWarning(std::string_view checkNumber, std::string_view problem) {
  std::string line = "Warning: check ";
  line += checkNumber;
  line += ": ";
  line += problem;
  return line;
}

BankFile::BankFile(const WriterInputs& inputs) : inputs_(&inputs), file_(inputs.fileName) {
  if (inputs.checks != nullptr) columns_ = CheckColumns::find(*inputs.checks);
}

void BankFile::noteRowWritten(bool amountTooLong) {
  rowWritten_ = true;
  rowAmountTooLong_ = rowAmountTooLong_ || amountTooLong;
}

void BankFile::write(const FixedRecord& record) {
  file_.writeLine(record.line());
  if (inRow_) noteRowWritten(record.amountTooLong());
}

void BankFile::write(const DelimitedLine& line) {
  file_.writeLine(line.line());
  if (inRow_) noteRowWritten(line.amountTooLong());
}

void BankFile::write(std::string_view line) {
  file_.writeLine(line);
  if (inRow_) noteRowWritten(false);
}

int BankFile::forEachCheck(Selection selection,
                           const std::function<void(const CheckRow&)>& visit) {
  return forEachCheck([selection](const CheckRow& check) { return check.qualifies(selection); },
                      visit);
}

int BankFile::forEachCheck(const std::function<bool(const CheckRow&)>& qualifies,
                           const std::function<void(const CheckRow&)>& visit) {
  if (!columns_ || inputs_->checks == nullptr) return 0;
  static const VendorIndex noVendors;
  const VendorIndex& vendors = inputs_->vendors != nullptr ? *inputs_->vendors : noVendors;
  int count = 0;
  for (int row = 2; row <= inputs_->checks->rows(); ++row) {
    CheckRow check(*inputs_->checks, *columns_, vendors, row);
    if (!qualifies(check)) continue;
    ++count;
    inRow_ = true;
    rowWritten_ = false;
    rowAmountTooLong_ = false;
    visit(check);
    inRow_ = false;
    if (!rowWritten_) continue;
    if (!check.amountReadable()) {
      result_.warnings.push_back(checkWarning(check.checkNumber(), unreadableAmountWarning));
    }
    if (!check.checkDate()) {
      result_.warnings.push_back(checkWarning(check.checkNumber(), unreadableDateWarning));
    }
    if (rowAmountTooLong_) {
      result_.warnings.push_back(checkWarning(check.checkNumber(), amountTooLongWarning));
    }
  }
  return count;
}

WriterResult BankFile::finish(int count) {
  result_.count = count;
  result_.written = file_.commit();
  result_.failure = file_.failure();
  return std::move(result_);
}

}  // namespace ppexport

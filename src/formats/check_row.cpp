#include "formats/check_row.h"

#include <vector>

#include "text/amounts.h"
#include "text/windows1252.h"

namespace ppexport {

namespace {
// The memo of a void begins with "VOID" in any case.
bool beginsWithVoid(std::string_view description) {
  constexpr std::string_view kVoid = "VOID";
  if (description.size() < kVoid.size()) return false;
  for (std::size_t i = 0; i < kVoid.size(); ++i) {
    if (upperCase(description[i]) != kVoid[i]) return false;
  }
  return true;
}
}  // namespace

std::optional<CheckColumns> CheckColumns::find(const ReportTable& checks) {
  CheckColumns columns;
  columns.documentNumber = findColumn("Document Number", checks);
  columns.name = findColumn("Name", checks);
  columns.date = findColumn("Date", checks);
  columns.bill1 = findColumn("Bill 1", checks);
  columns.nameType = findColumn("Name Type", checks);
  columns.amount = findColumn("Amount", checks);
  columns.cleared = findColumn("Cleared", checks);
  columns.description = findColumn("Description", checks);
  for (int column : {columns.documentNumber, columns.name, columns.date, columns.bill1,
                     columns.nameType, columns.amount, columns.cleared, columns.description}) {
    if (column == 0) return std::nullopt;
  }
  return columns;
}

std::string missingHeadingsProblem(const ReportTable& checks) {
  std::vector<std::string_view> missing;
  for (std::string_view heading : {"Document Number", "Name", "Date", "Bill 1", "Name Type",
                                   "Amount", "Cleared", "Description"}) {
    if (findColumn(heading, checks) == 0) missing.push_back(heading);
  }
  if (missing.empty()) return "";
  std::string problem = "The check report has no ";
  for (std::size_t i = 0; i < missing.size(); ++i) {
    if (i > 0) problem += i + 1 == missing.size() ? " or " : ", ";
    problem += "'" + std::string(missing[i]) + "'";
  }
  return problem + (missing.size() == 1 ? " column." : " columns.");
}

CheckRow::CheckRow(const ReportTable& checks, const CheckColumns& columns,
                   const VendorIndex& vendors, int row)
    : checks_(&checks), columns_(&columns), vendors_(&vendors), row_(row) {}

const std::optional<double>& CheckRow::amount() const {
  if (!amountRead_) {
    amountRead_ = true;
    amount_ = regional().toNumber(cell(columns_->amount));
    if (amount_) {
      // An amount beyond what whole cents can hold is as unreadable as one that is not a number.
      if (std::optional<std::int64_t> cents = ppexport::amountInCents(*amount_, -100)) {
        registerCents_ = *cents;
      } else {
        amount_.reset();
      }
    }
  }
  return amount_;
}

bool CheckRow::isVoid() const {
  if (!voidRead_) {
    voidRead_ = true;
    // The memo first: most rows are told apart by it without reading their amount.
    void_ = beginsWithVoid(description()) && amount() && *amount() == 0;
  }
  return void_;
}

const std::optional<Date>& CheckRow::checkDate() const {
  if (!dateRead_) {
    date_ = regional().toDate(cell(columns_->date));
    dateRead_ = true;
  }
  return date_;
}

bool CheckRow::hasCheckNumber() const {
  if (!numberRead_) {
    numberRead_ = true;
    hasCheckNumber_ = !checkNumber().empty() && regional().isNumeric(checkNumber());
  }
  return hasCheckNumber_;
}

bool CheckRow::qualifies(Selection selection) const {
  if (!hasCheckNumber()) return false;
  switch (selection) {
    case Selection::UnclearedOrVoid:
      return cleared() == "Uncleared" || isVoid();
    case Selection::EveryNumberedCheck:
      return true;
    case Selection::UnclearedOnly:
      return cleared() == "Uncleared";
    case Selection::UnclearedIssuedOnly:
      return cleared() == "Uncleared" && !isVoid();
  }
  return false;
}

double CheckRow::voidAmount() const { return voidAmountFromMemo(description()); }

std::int64_t CheckRow::registerCents() const {
  amount();
  return registerCents_;
}

std::int64_t CheckRow::amountInCents() const {
  if (isVoid()) return ppexport::amountInCents(voidAmount(), 100).value_or(0);
  return registerCents();
}

double CheckRow::amountInDollars() const { return isVoid() ? voidAmount() : -registerAmount(); }

CheckStatus CheckRow::status() const {
  if (!isVoid()) return CheckStatus::Issue;
  return voidAmount() == 0 ? CheckStatus::Void : CheckStatus::Cancel;
}

std::string_view CheckRow::payee() const {
  if (!payeeRead_) {
    payeeRead_ = true;
    payee_ = resolvePayee(name(), cell(columns_->nameType), cell(columns_->bill1), *vendors_);
  }
  return payee_;
}

std::int64_t CheckRow::checkNumberValue() const {
  const std::optional<double> number = regional().toNumber(checkNumber());
  if (!number) return 0;
  return roundHalfEven(*number).value_or(0);
}

}  // namespace ppexport

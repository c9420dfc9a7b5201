#include "create/bank_inputs.h"

#include <array>

namespace ppexport {

namespace {
constexpr InputCaption hidden{};
constexpr InputCaption accountNumber{true, "Account Number", false};

struct Row {
  std::string_view name;
  BankInputs inputs;
};

// One row per bank format; formats that ask only for the account number share the first form.
constexpr BankInputs accountNumberOnly{hidden, hidden, hidden, accountNumber, false, "", "",
                                       InputLayout::Standard};

constexpr std::array<Row, 35> rows{{
    {"Capital One Bank", accountNumberOnly},
    {"Branch Banking & Trust Company", accountNumberOnly},
    {"Founders Bank & Trust - MI", accountNumberOnly},
    {"Comerica Bank", accountNumberOnly},
    {"Citizens Bank - MI/OH/WI", accountNumberOnly},
    {"Chase - CSV Format", accountNumberOnly},
    {"Bank of America - SMS Platform", accountNumberOnly},
    {"American Bank - MD", accountNumberOnly},
    {"Webster Bank - NY", accountNumberOnly},
    {"Eastern Bank", accountNumberOnly},
    {"HSBC", accountNumberOnly},
    {"Colorado Business Bank", accountNumberOnly},
    {"SunTrust", accountNumberOnly},
    {"SunTrust - with Payee Name Verification", accountNumberOnly},
    {"Regions Bank", accountNumberOnly},
    {"First Midwest Bank - with Payee", accountNumberOnly},
    {"First Midwest Bank - Traditional", accountNumberOnly},
    {"JP Morgan - PWS Delimited/CSV", accountNumberOnly},
    {"PNC Bank of Illinois", accountNumberOnly},
    {"Union Bank of California",
     {hidden, {true, "Branch Number", true}, hidden, accountNumber, false, "",
      "* 4-digit value provided to you by Union Bank", InputLayout::Standard}},
    {"TD Bank ARP - Standard",
     {hidden, {true, "Bank ID (4-digits)", true}, hidden, accountNumber, false, "",
      "* Value provided to you by TD Bank", InputLayout::Standard}},
    {"TD Bank Canada CFP - 80 Byte",
     {{true, "CFP Acct Name", true}, {true, "CDA Acct #[7]", true},
      {true, "Branch Transit #[5]", true}, {true, "CFP Acct #[5]", true}, false, "",
      "* Values provided to you by TD Bank Canada. Number lengths are shown in [brackets].",
      InputLayout::TdBankCanada}},
    {"Wells Fargo ARP - Inbound Enhanced Standard",
     {hidden, {true, "Bank ID", true}, hidden, accountNumber, false, "",
      "* Up to 5 digit value provided to you by Wells Fargo Bank", InputLayout::Standard}},
    {"Wells Fargo ARP - Standard",
     {{true, "Remote ID", true}, {true, "Bank ID", true}, {true, "Batch ID", true}, accountNumber,
      false, "", "* Values provided to you by Wells Fargo Bank", InputLayout::Standard}},
    {"Wells Fargo ARP - CSV",
     {hidden, {true, "Routing Number", false}, hidden, accountNumber, false, "", "",
      InputLayout::Standard}},
    {"Wells Fargo ASCII",
     {hidden, hidden, hidden, {true, "Acct. Num", false}, true, "Bank Num", "",
      InputLayout::BankCodeListRaised}},
    {"Generic Bank Format",
     {{true, "Header Line", true}, hidden, hidden, accountNumber, false, "",
      "* Value provided to you by your bank", InputLayout::WideRemoteId}},
    {"Bank of America",
     {{true, "Header Line", true}, hidden, hidden, accountNumber, false, "",
      "* Value provided to you by Bank of America", InputLayout::WideRemoteId}},
    {"Bank of America - DRS Platform",
     {hidden, hidden, {true, "Bank Num", true}, accountNumber, false, "",
      "* 3-digit value provided by Bank of America", InputLayout::Standard}},
    {"Jonah Bank of Wyoming", {hidden, hidden, hidden, hidden, false, "", "", InputLayout::Standard}},
    {"Wachovia",
     {hidden, hidden, hidden, {true, "Acct. Num", false}, true, "Bank Num", "",
      InputLayout::BankCodeListRaised}},
    {"Citibank - Standard Positive Pay",
     {{true, "Co. Name", true}, hidden, hidden, {true, "Acct. Num", false}, true, "Bank Code",
      "* Your Company/Account name as known to Citibank",
      InputLayout::WideRemoteIdAndBankCodeListRaised}},
    {"Citibank - CitiDirect SDR",
     {hidden, hidden, {true, "Plan Number", true}, accountNumber, false, "",
      "* Value provided to you by CitiBank", InputLayout::NarrowPlanNumberCaption}},
    {"Citibank - CitiDirect NA",
     {hidden, hidden, {true, "Plan Number", true}, accountNumber, false, "",
      "* Value provided to you by CitiBank", InputLayout::NarrowPlanNumberCaption}},
    {"Royal Bank of Canada",
     {hidden, {true, "Transit Number", true}, hidden, {true, "Account Number", true}, false, "",
      "* Value provided to you by Royal Bank of Canada", InputLayout::Standard}},
}};
}  // namespace

std::optional<BankInputs> bankInputs(std::string_view bankFormatName) {
  for (const Row& row : rows) {
    if (row.name == bankFormatName) return row.inputs;
  }
  return std::nullopt;
}

}  // namespace ppexport

namespace ppexport {

VisibleIdentifiers visibleIdentifiers(std::string_view bankListText) {
  std::optional<BankInputs> inputs = bankInputs(bankListText);
  if (!inputs) return VisibleIdentifiers{};
  return VisibleIdentifiers{inputs->remoteId.shown, inputs->bankId.shown, inputs->batchId.shown,
                            inputs->accountId.shown};
}

}  // namespace ppexport

#pragma once
// The built-in bank formats: their names as the bank list shows them, and their writers.

#include <span>
#include <string_view>

#include "formats/writer.h"

namespace ppexport {

struct BankFormat {
  std::string_view name;
  FormatWriter writer;
};

// The 38 built-in bank formats in the order of the bank list.
std::span<const BankFormat> builtInBankFormats();

// The built-in format of exactly this name (case-sensitive), or nothing.
const BankFormat* findBankFormat(std::string_view name);

// The prefix of a bank list entry that names a custom format.
inline constexpr std::string_view customFormatPrefix = "Custom Format: ";

// One writer per bank format, grouped by bank family. Each takes the inputs the Create operation
// gathers; a format reads only the identifiers its layout has.
WriterResult writeGenericBankFormat(const WriterInputs& inputs);
WriterResult writeRegionsBank(const WriterInputs& inputs);
WriterResult writeCapitalOneBank(const WriterInputs& inputs);
WriterResult writeColoradoBusinessBank(const WriterInputs& inputs);

WriterResult writeBankOfAmerica(const WriterInputs& inputs);
WriterResult writeBankOfAmericaSms(const WriterInputs& inputs);
WriterResult writeBankOfAmericaDrs(const WriterInputs& inputs);

WriterResult writeFirstMidwestWithPayee(const WriterInputs& inputs);
WriterResult writeFirstMidwestTraditional(const WriterInputs& inputs);
WriterResult writeSunTrust(const WriterInputs& inputs);  // inputs.payeeVerification

WriterResult writeTdBankCanada(const WriterInputs& inputs);
WriterResult writeTdBankArp(const WriterInputs& inputs);

WriterResult writeUnionBankOfCalifornia(const WriterInputs& inputs);

WriterResult writeCitiDirectSdr(const WriterInputs& inputs);
WriterResult writeCitiDirectNa(const WriterInputs& inputs);

WriterResult writeWellsFargoArpCsv(const WriterInputs& inputs);
WriterResult writeWellsFargoArpStandard(const WriterInputs& inputs);
WriterResult writeWellsFargoArpInboundEnhanced(const WriterInputs& inputs);

WriterResult writeWellsFargoAscii(const WriterInputs& inputs);  // account ID and bank code only
WriterResult writeWachovia(const WriterInputs& inputs);

WriterResult writeCitibankStandard(const WriterInputs& inputs);
WriterResult writeHsbc(const WriterInputs& inputs);
WriterResult writeComericaBank(const WriterInputs& inputs);
WriterResult writeWebsterBank(const WriterInputs& inputs);

WriterResult writeRoyalBankOfCanada(const WriterInputs& inputs);

WriterResult writeBranchBankingAndTrust(const WriterInputs& inputs);
WriterResult writeChaseCsv(const WriterInputs& inputs);
WriterResult writeJpMorganCsv(const WriterInputs& inputs);
WriterResult writePncBankOfIllinois(const WriterInputs& inputs);

WriterResult writeCitizensBank(const WriterInputs& inputs);
WriterResult writeAmericanBank(const WriterInputs& inputs);
WriterResult writeEasternBank(const WriterInputs& inputs);
WriterResult writeJonahBank(const WriterInputs& inputs);

WriterResult writeChaseArpStandard(const WriterInputs& inputs);
WriterResult writeBmoPositivePayCsv(const WriterInputs& inputs);
WriterResult writeCitizensBankPositivePay(const WriterInputs& inputs);

}  // namespace ppexport

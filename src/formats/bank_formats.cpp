#include "formats/bank_formats.h"

#include <array>

namespace ppexport {

namespace {
WriterResult writeSunTrustPlain(const WriterInputs& inputs) {
  WriterInputs plain = inputs;
  plain.payeeVerification = false;
  return writeSunTrust(plain);
}

WriterResult writeSunTrustVerified(const WriterInputs& inputs) {
  WriterInputs verified = inputs;
  verified.payeeVerification = true;
  return writeSunTrust(verified);
}

constexpr std::array<BankFormat, 38> bankFormats{{
    {"American Bank - MD", writeAmericanBank},
    {"Bank of America", writeBankOfAmerica},
    {"Bank of America - SMS Platform", writeBankOfAmericaSms},
    {"Bank of America - DRS Platform", writeBankOfAmericaDrs},
    {"BMO - Positive Pay CSV", writeBmoPositivePayCsv},
    {"Branch Banking & Trust Company", writeBranchBankingAndTrust},
    {"Capital One Bank", writeCapitalOneBank},
    {"Chase - CSV Format", writeChaseCsv},
    {"Citibank - CitiDirect SDR", writeCitiDirectSdr},
    {"Citibank - CitiDirect NA", writeCitiDirectNa},
    {"Citibank - Standard Positive Pay", writeCitibankStandard},
    {"Citizens Bank - MI/OH/WI", writeCitizensBank},
    {"Citizens Bank - Positive Pay", writeCitizensBankPositivePay},
    {"Colorado Business Bank", writeColoradoBusinessBank},
    {"Comerica Bank", writeComericaBank},
    {"Eastern Bank", writeEasternBank},
    {"First Midwest Bank - with Payee", writeFirstMidwestWithPayee},
    {"First Midwest Bank - Traditional", writeFirstMidwestTraditional},
    {"Founders Bank & Trust - MI", writeBranchBankingAndTrust},
    {"HSBC", writeHsbc},
    {"Jonah Bank of Wyoming", writeJonahBank},
    {"JP Morgan - PWS Delimited/CSV", writeJpMorganCsv},
    {"JPMorgan Chase - ARP Standard", writeChaseArpStandard},
    {"PNC Bank of Illinois", writePncBankOfIllinois},
    {"Regions Bank", writeRegionsBank},
    {"Royal Bank of Canada", writeRoyalBankOfCanada},
    {"SunTrust", writeSunTrustPlain},
    {"SunTrust - with Payee Name Verification", writeSunTrustVerified},
    {"TD Bank ARP - Standard", writeTdBankArp},
    {"TD Bank Canada CFP - 80 Byte", writeTdBankCanada},
    {"Union Bank of California", writeUnionBankOfCalifornia},
    {"Wachovia", writeWachovia},
    {"Webster Bank - NY", writeWebsterBank},
    {"Wells Fargo ARP - CSV", writeWellsFargoArpCsv},
    {"Wells Fargo ARP - Inbound Enhanced Standard", writeWellsFargoArpInboundEnhanced},
    {"Wells Fargo ARP - Standard", writeWellsFargoArpStandard},
    {"Wells Fargo ASCII", writeWellsFargoAscii},
    {"Generic Bank Format", writeGenericBankFormat},
}};
}  // namespace

std::span<const BankFormat> builtInBankFormats() { return bankFormats; }

const BankFormat* findBankFormat(std::string_view name) {
  for (const BankFormat& format : bankFormats) {
    if (format.name == name) return &format;
  }
  return nullptr;
}

}  // namespace ppexport

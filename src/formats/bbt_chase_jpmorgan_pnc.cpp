#include "formats/bank_formats.h"

namespace ppexport {

WriterResult writeBranchBankingAndTrust(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeChaseCsv(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeJpMorganCsv(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writePncBankOfIllinois(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

}  // namespace ppexport

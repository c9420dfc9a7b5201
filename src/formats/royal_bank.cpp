#include "formats/bank_formats.h"

namespace ppexport {

WriterResult writeRoyalBankOfCanada(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

}  // namespace ppexport

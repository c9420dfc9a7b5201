#include "formats/bank_formats.h"

namespace ppexport {

WriterResult writeUnionBankOfCalifornia(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

}  // namespace ppexport

#include "formats/bank_formats.h"

namespace ppexport {

WriterResult writeCitibankStandard(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeHsbc(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeComericaBank(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeWebsterBank(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

}  // namespace ppexport

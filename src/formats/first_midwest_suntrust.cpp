#include "formats/bank_formats.h"

namespace ppexport {

WriterResult writeFirstMidwestWithPayee(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeFirstMidwestTraditional(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeSunTrust(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

}  // namespace ppexport

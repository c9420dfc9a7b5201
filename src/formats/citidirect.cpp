#include "formats/bank_formats.h"

namespace ppexport {

WriterResult writeCitiDirectSdr(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeCitiDirectNa(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

}  // namespace ppexport

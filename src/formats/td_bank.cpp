#include "formats/bank_formats.h"

namespace ppexport {

WriterResult writeTdBankCanada(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeTdBankArp(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

}  // namespace ppexport

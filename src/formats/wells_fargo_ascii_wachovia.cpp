#include "formats/bank_formats.h"

namespace ppexport {

WriterResult writeWellsFargoAscii(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeWachovia(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

}  // namespace ppexport

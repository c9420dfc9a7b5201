#include "formats/bank_formats.h"

namespace ppexport {

WriterResult writeWellsFargoArpStandard(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeWellsFargoArpInboundEnhanced(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

}  // namespace ppexport

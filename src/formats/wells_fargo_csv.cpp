#include "formats/bank_formats.h"

namespace ppexport {

WriterResult writeWellsFargoArpCsv(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

}  // namespace ppexport

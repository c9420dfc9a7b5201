#include "custom/custom_writers.h"

namespace ppexport {

WriterResult writeCustomCsv(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeCustomFixed(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

}  // namespace ppexport

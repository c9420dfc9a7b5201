#include "formats/bank_formats.h"

namespace ppexport {

WriterResult writeCitizensBank(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeAmericanBank(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeEasternBank(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeJonahBank(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

}  // namespace ppexport

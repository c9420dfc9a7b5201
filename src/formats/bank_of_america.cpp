#include "formats/bank_formats.h"

namespace ppexport {

WriterResult writeBankOfAmerica(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeBankOfAmericaSms(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

WriterResult writeBankOfAmericaDrs(const WriterInputs&) { return WriterResult{0, true, {}, {}}; }

}  // namespace ppexport

#pragma once
// The writers of user-defined custom formats: comma-separated or fixed-length lines of up to eight
// fields, read from the format's definition in the settings store.

#include "formats/writer.h"

namespace ppexport {

// inputs.customFormatName names the format; inputs.settings holds its definition.
WriterResult writeCustomCsv(const WriterInputs& inputs);
WriterResult writeCustomFixed(const WriterInputs& inputs);

}  // namespace ppexport

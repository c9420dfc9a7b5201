#pragma once
// The font of the windows: their controls stand at fixed design positions made for a small,
// narrow dialog font.

#include <QFont>

namespace ppexport::app {

// 8 points in the first of the narrow sans-serif faces that the computer has.
QFont dialogFont(const QFont& base);

}  // namespace ppexport::app

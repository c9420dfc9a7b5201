#pragma once
// The picture in the main window's top left corner: a bank check with a tick, drawn by the program
// itself.

#include <QPixmap>
#include <QSize>

namespace ppexport::app {

// The picture at size logical pixels, sharp at the given device pixel ratio.
QPixmap programPicture(QSize size, qreal devicePixelRatio);

}  // namespace ppexport::app

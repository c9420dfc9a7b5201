#pragma once
// The windows are designed in twips; they are shown at 15 twips to a logical pixel.

#include <QRect>
#include <QSize>

#include "window/controls.h"

namespace ppexport::app {

constexpr int pixels(int twips) { return (twips + 7) / 15; }

constexpr QRect designRect(const window::Rect& twips) {
  return QRect(pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height));
}

constexpr QSize designSize(const window::Size& twips) {
  return QSize(pixels(twips.width), pixels(twips.height));
}

}  // namespace ppexport::app

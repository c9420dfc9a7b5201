#pragma once
// The windows are designed in twips; they are shown at 15 twips to a logical pixel.

#include <QRect>

class QWidget;

namespace ppexport::app {

constexpr int pixels(int twips) { return (twips + 7) / 15; }

constexpr QRect designRect(int left, int top, int width, int height) {
  return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

// Puts widget at its design position and size, given in twips.
void place(QWidget* widget, int left, int top, int width, int height);

}  // namespace ppexport::app

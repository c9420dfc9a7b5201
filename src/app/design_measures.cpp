#include "app/design_measures.h"

#include <QWidget>

namespace ppexport::app {

void place(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(designRect(left, top, width, height));
}

}  // namespace ppexport::app

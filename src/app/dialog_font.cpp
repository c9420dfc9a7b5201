#include "app/dialog_font.h"

#include <QStringList>

namespace ppexport::app {

QFont dialogFont(const QFont& base) {
  QFont font = base;
  font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Segoe UI"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                    QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                    QStringLiteral("DejaVu Sans Condensed"), base.family()});
  font.setPointSize(8);
  return font;
}

}  // namespace ppexport::app

#include "ui/design_font.h"

#include <QStringList>

QFont DesignFont(double points, bool bold) {
  QFont font;
  font.setFamilies({"MS Sans Serif", "Liberation Sans", "Arial", "Helvetica"});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

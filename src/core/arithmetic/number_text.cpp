#include "core/arithmetic/number_text.h"

#include <cmath>

namespace modMain {

QString PlainText(double x) {
  // Whole numbers that a double holds exactly are written out in full; anything else in its
  // shortest round-trip form.
  if (std::nearbyint(x) == x && std::fabs(x) < 9007199254740992.0) {
    return QString::number(static_cast<long long>(x));
  }
  return QString::number(x, 'g', QLocale::FloatingPointShortest);
}

QString GroupedText(double x, const QLocale& locale) {
  return locale.toString(x, 'f', 0);
}

}  // namespace modMain

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/number_text.h"

#include <cmath>
#include <stdexcept>

namespace modMain {

QString DivisorList(double n) {
  if (!(n > 1)) return PlainText(n);
  const double r = std::sqrt(n);
  QString s;
  for (double i = 1; i <= r; ++i) {
    if (DMod(n, i) == 0) s += PlainText(i) + ' ' + PlainText(n / i) + ' ';
  }
  QStringList items = DistinctItems(s).split(' ');
  SortList(items, true);
  return items.join(' ');
}

QString DistinctItems(const QString& list) {
  const QString trimmed = list.trimmed();
  if (trimmed.isEmpty()) return QString();
  QStringList accepted;
  for (const QString& item : trimmed.split(' ')) {
    if (!accepted.contains(item)) accepted.append(item);
  }
  return accepted.join(' ');
}

void SortList(QStringList& items, bool ascending) {
  auto value = [](const QString& text) {
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok) throw std::invalid_argument("not a number: " + text.toStdString());
    return v;
  };
  for (qsizetype pass = 0; pass < items.size(); ++pass) {
    for (qsizetype j = 0; j + 1 < items.size(); ++j) {
      const double a = value(items[j]);
      const double b = value(items[j + 1]);
      if (ascending ? b < a : b > a) items.swapItemsAt(j, j + 1);
    }
  }
}

}  // namespace modMain

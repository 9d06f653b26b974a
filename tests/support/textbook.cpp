#include "support/textbook.h"

#include <cmath>

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/number_text.h"

namespace textbook {
namespace {

using modMain::DMod;  // checked against worked values on its own

// The documented texts are trimmed of blanks only, not of other white space.
QString TrimBlanks(const QString& s) {
  qsizetype begin = 0;
  qsizetype end = s.size();
  while (begin < end && s[begin] == ' ') ++begin;
  while (end > begin && s[end - 1] == ' ') --end;
  return s.mid(begin, end - begin);
}

QString TrimEndBlanks(const QString& s) {
  qsizetype end = s.size();
  while (end > 0 && s[end - 1] == ' ') --end;
  return s.left(end);
}

}  // namespace

bool IsPrime(double n) {
  if (DMod(n, 2) == 0 && n != 2) return false;
  if (DMod(n, 2) == 0) return true;
  // The square root of an odd negative number is undefined; such a number is not prime.
  if (n < 0) return false;
  const double s = std::sqrt(n);
  for (double d = 3; d <= s; d = d + 2) {
    if (DMod(n, d) == 0) return false;
  }
  return true;
}

double SmallestFactor(double n) {
  if (n == 2) return 2;
  if (!(n > 2)) return 0;
  if (DMod(n, 2) == 0) return 2;
  const double s = std::sqrt(n);
  for (double d = 3; d <= s; d = d + 2) {
    if (DMod(n, d) == 0) return d;
  }
  return n;
}

QString DivisorList(double n) {
  if (!(n > 1)) return modMain::PlainText(n);
  const double r = std::sqrt(n);
  QString s;
  for (double i = 1; i <= r; i = i + 1) {
    if (DMod(n, i) == 0) {
      s += modMain::PlainText(i) + ' ' + modMain::PlainText(n / i) + ' ';
    }
  }
  s = DistinctItems(s);
  QStringList items = TrimBlanks(s).split(' ');
  SortList(items, true);
  QString result;
  for (const QString& item : items) result += item + ' ';
  return TrimEndBlanks(result);
}

QString DistinctItems(const QString& list) {
  const QString trimmed = TrimBlanks(list);
  if (trimmed.isEmpty()) return QString();
  const QStringList items = trimmed.split(' ');
  QStringList accepted{items[0]};
  for (const QString& item : items) {
    bool seen = false;
    for (const QString& kept : accepted) {
      if (kept == item) seen = true;
    }
    if (!seen) accepted.append(item);
  }
  QString result;
  for (const QString& item : accepted) result += item + ' ';
  return TrimEndBlanks(result);
}

void SortList(QStringList& items, bool ascending) {
  const qsizetype lo = 0;
  const qsizetype hi = items.size() - 1;
  for (qsizetype pass = lo; pass <= hi; ++pass) {
    for (qsizetype j = lo; j <= hi - 1; ++j) {
      const double left = modMain::PlainValue(items[j]);
      const double right = modMain::PlainValue(items[j + 1]);
      if (ascending ? right < left : right > left) items.swapItemsAt(j, j + 1);
    }
  }
}

}  // namespace textbook

#pragma once
// The arithmetic and list functions written exactly as their algorithms are documented (with the
// program's own DMod, which its tests check against worked values): doubles
// everywhere, trial division by 2 and the odd numbers up to the square root, the divisor search
// up to the square root, a quadratic de-duplication and a full bubble sort. Slow on purpose: the
// tests compare the fast functions with these, and the benchmarks time them side by side.

#include <QString>
#include <QStringList>

namespace textbook {

bool IsPrime(double n);
double SmallestFactor(double n);
QString DivisorList(double n);
QString DistinctItems(const QString& list);
void SortList(QStringList& items, bool ascending);

}  // namespace textbook

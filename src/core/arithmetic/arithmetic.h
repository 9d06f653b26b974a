#pragma once
// Whole-number arithmetic on doubles and lists of numbers held as text.
//
// Every function gives exactly the result of the plain algorithm it is documented with (trial
// division, rounding halves to even, numeric bubble sort, ...). For whole arguments below 2^53
// the work is done in exact 64-bit integers with methods that do not grow with the square root of
// the argument; other arguments take the plain algorithm itself.

#include <QString>
#include <QStringList>

namespace modMain {

// The remainder of |round(a)| divided by |round(b)|, never negative. Dividing by a b that
// rounds to 0 throws std::domain_error.
double DMod(double a, double b);

// Trial division by 2 and the odd numbers up to the square root: 1 counts as prime, 0 and the
// even numbers but 2 do not. An odd negative number is not prime.
bool IsPrime(double n);

// 0 for n not above 2 (except 2 itself), else the smallest prime factor of round(n), or n itself
// when it is prime.
double SmallestFactor(double n);

// Every positive divisor of n in ascending order, as plain decimal text separated by single
// blanks ("1 2 3 4 6 12"); for n not above 1, n itself as text.
QString DivisorList(double n);

// The list text without repeated items (exact text comparison), in order of first occurrence.
QString DistinctItems(const QString& list);

// Sorts numeric texts in place, stably, ascending or descending by value; "2" and "02" keep
// their order. Throws std::invalid_argument for an item that is not a number.
void SortList(QStringList& items, bool ascending);

}  // namespace modMain

#pragma once
// Whole-number arithmetic on doubles and lists of numbers held as text.
//
// Every function gives exactly the result of the plain algorithm it is documented with (trial
// division on doubles, rounding halves to even, the divisor search up to the square root, a
// numeric bubble sort, ...), also for non-whole and negative arguments. Inside, the work is done
// in exact 64-bit integers with methods that do not grow with the square root of the argument
// (see prime_factors.h), and lists are de-duplicated by hashing and sorted in O(n log n).
//
// Where the plain algorithm would never end or gives a meaningless answer, the functions answer
// as documented below instead: for +inf and NaN, and for divisor lists from 2^53 up.

#include <QString>
#include <QStringList>

namespace modMain {

// The remainder of |round(a)| divided by |round(b)|, never negative; exact below 2^53. Dividing
// by a b that rounds to 0 throws std::domain_error.
double DMod(double a, double b);

// Trial division by 2 and the odd numbers up to the square root: 1 counts as prime, 0 and the
// even numbers but 2 do not, and a non-whole n is tested as round(n) against the bound sqrt(n)
// (2.6 is "prime", 9.4 is not). Negative numbers, NaN and the infinities are not prime.
bool IsPrime(double n);

// 0 for n not above 2 (except 2 itself), else the smallest prime factor of round(n) when it is at
// most sqrt(n), else n itself, unrounded (SmallestFactor(2.6) = 2.6). 0 for NaN and +inf.
double SmallestFactor(double n);

// Every positive divisor of n in ascending order, as plain decimal text separated by single
// blanks ("1 2 3 4 6 12"); for n not above 1 (and NaN), n itself as text ("0", "-6"). A non-whole
// n lists each divisor i of round(n) up to sqrt(n) and n / i ("1 2 3.1 6.2" for 6.2). Throws
// std::domain_error from 2^53 up, where doubles no longer hold every whole number.
QString DivisorList(double n);

// The items of DivisorList(n), each its own string, as DivisorList(n).split(' ') gives them.
QStringList DivisorItems(double n);

// The list text without repeated items (exact text comparison), in order of first occurrence.
// Only blanks separate items and are trimmed; two blanks in a row make an empty item.
QString DistinctItems(const QString& list);

// Sorts numeric texts in place, stably, ascending or descending by value: "2" and "02" keep their
// order. Items are read with PlainValue (number_text.h), which throws std::invalid_argument for
// an item that is not a plain decimal number; the list is then left unchanged.
void SortList(QStringList& items, bool ascending);

}  // namespace modMain

#pragma once
// The HTML report of an entry: its prime factorization as a product and as powers, the
// upside-down division table and the closing sentence on the method.

#include <QLocale>
#include <QString>
#include <cstdint>
#include <vector>

namespace report {

// The whole report text for the entered number n, with numbers grouped as `locale` groups them
// (exponents are never grouped). It is built from n alone, so it never depends on the choices
// made in the factor tree.
//
// n is first rounded to the nearest whole number, halves to even (12.5 reports 12, 1.5 reports
// 2). A result not above 1, and n that is not a finite number (NaN, infinities), is reported as
// neither prime nor composite. Every finite double from 2^53 up is a whole, even number that a
// double holds exactly; such a number is factored exactly as that value (it has at most 1023
// prime factors), so the report is never an approximation.
QString ReportText(double n, const QLocale& locale);

// The same report for a whole n from 2 up to 2^53 whose prime factors, ascending and each as often
// as it divides n, are known already.
QString ReportText(double n, const std::vector<std::uint64_t>& primeFactors, const QLocale& locale);

}  // namespace report

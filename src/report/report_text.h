#pragma once
// The HTML report of an entry: its prime factorization as a product and as powers, the
// upside-down division table and the closing sentence on the method.

#include <QLocale>
#include <QString>

namespace report {

// The whole report text for the entered number n, with numbers grouped as `locale` groups them.
// It depends on n alone, never on the choices made in the factor tree.
QString ReportText(double n, const QLocale& locale);

}  // namespace report

#pragma once
// The two ways the program writes a number.

#include <QLocale>
#include <QString>

namespace modMain {

// Plain decimal text, as in list texts, tags, the root box and the node lists: "1234", "-6",
// "0.5"; no digit grouping.
QString PlainText(double x);

// A whole number with no decimals and the locale's digit grouping: "1,234,567" in English,
// "1.234.567" in German.
QString GroupedText(double x, const QLocale& locale);

}  // namespace modMain

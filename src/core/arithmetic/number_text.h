#pragma once
// How the program writes numbers, and how it reads back the plain decimal texts it writes.

#include <QLocale>
#include <QString>
#include <QStringView>

namespace modMain {

// Plain decimal text, as in list texts, tags, the root box and the node lists: "1234", "-6",
// "0.5", "0.0000001"; never digit grouping or an exponent. Whole numbers are written in full, other
// numbers with the fewest digits that read back as the same double. Negative zero is "0"; NaN and
// the infinities are "nan", "inf" and "-inf".
QString PlainText(double x);

// A whole number with no decimals and the locale's digit grouping: "1,234,567" in English,
// "1.234.567" in German.
QString GroupedText(double x, const QLocale& locale);

// The value of a plain decimal text: an optional sign, digits with at most one decimal point and
// at least one digit ("12", "-6", "+02", "2.", ".5", "2.50"). Anything else (blanks, an empty
// text, an exponent, digit grouping, "inf", "nan") and a magnitude too large for a double throw
// std::invalid_argument. The decimal point is always '.', whatever the locale, since the program
// writes its lists with PlainText.
double PlainValue(QStringView text);

// Whether the text is one or more of the digits 0 to 9 and nothing else: what the entry takes as
// a number, once the blanks around it are trimmed.
bool IsPlainDigits(QStringView text);

}  // namespace modMain

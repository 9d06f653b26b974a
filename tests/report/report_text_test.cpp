#include "report/report_text.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

const QString kHead = "<html><head></head><body>";
const QString kClosing =
    "<p>To prime factor a number, begin dividing by the smallest possible prime and continue until "
    "the quotient is a prime number.</p></body></html>";
const QString kTableStart = "<p><strong>Upside-down division : </strong></p>";
const QString kOr = "  <font color=#FF0000>or</font>  ";

// The text written after "is <br><br>": the product form and, if any, the product of powers.
QString FactorizationLine(const QString& html) {
  const qsizetype start = html.indexOf("is <br><br>") + 11;
  return html.mid(start, html.indexOf("<p>", start) - start);
}

// The division table, one item per row: "divisor|dividend", or the closing prime alone.
QStringList TableRows(const QString& html) {
  static const QRegularExpression row(
      "<tr><td align='right'><font color=#FF0000>([^<]*)</font></td><td><u>\\|&nbsp;([^<]*)</u>"
      "</td></tr>|<tr><td></td><td>&nbsp;<font color=#FF0000>([^<]*)</font></td></tr>");
  QStringList rows;
  for (const auto& m : row.globalMatch(html))
    rows << (m.captured(3).isEmpty() ? m.captured(1) + '|' + m.captured(2) : m.captured(3));
  return rows;
}

TEST(ReportText, WorkedReportsAreExact) {
  const QString neither = kHead + "This number is neither prime nor composite" + kClosing;
  const std::pair<double, QString> cases[] = {
      {12, kHead + "&nbsp;&nbsp;The prime factorization of 12 is <br><br>12 = 2 x 2 x 3" + kOr +
               "2<sup>2</sup>x 3" + kTableStart +
               "<blockquote><table><tr><td align='right'><font color=#FF0000>2</font></td><td><u>|"
               "&nbsp;12</u></td></tr><tr><td align='right'><font color=#FF0000>2</font></td><td>"
               "<u>|&nbsp;6</u></td></tr><tr><td></td><td>&nbsp;<font color=#FF0000>3</font></td>"
               "</tr></table></blockquote>" +
               kClosing},
      {7, kHead + "The prime factorization of 7 is 7." + kTableStart +
              "<blockquote><table><tr><td></td><td>&nbsp;<font color=#FF0000>7</font></td></tr>"
              "</table></blockquote>" +
              kClosing},
      {1, neither},
      {0, neither}};
  for (const auto& [n, html] : cases) EXPECT_EQ(report::ReportText(n, kEnglish), html) << n;
}

// The product forms, digits grouped, and the division tables are checked up to 5000 below.
TEST(ReportText, FactorizationLinesJoinPowers) {
  const std::pair<double, QString> cases[] = {
      {30, "30 = 2 x 3 x 5"},
      {18, "18 = 2 x 3 x 3" + kOr + "2 x 3<sup>2</sup>"},
      {360, "360 = 2 x 2 x 2 x 3 x 3 x 5" + kOr + "2<sup>3</sup>x 3<sup>2</sup>x 5"},
      {1024, "1,024 = 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2" + kOr + "2<sup>10</sup>"}};
  for (const auto& [n, line] : cases)
    EXPECT_EQ(FactorizationLine(report::ReportText(n, kEnglish)), line) << n;
}

TEST(ReportText, GroupsNumbersAsTheLocaleDoesButNeverExponents) {
  EXPECT_EQ(FactorizationLine(report::ReportText(1001, kGerman)), "1.001 = 7 x 11 x 13");
  const QString html = report::ReportText(1024, kGerman);
  EXPECT_TRUE(html.contains("The prime factorization of 1.024 is <br><br>1.024 = 2 x"));
  EXPECT_EQ(TableRows(html).first(), "2|1.024");
  EXPECT_TRUE(report::ReportText(999999999999989, kGerman)
                  .contains("factorization of 999.999.999.999.989 is 999.999.999.999.989."));
  EXPECT_TRUE(report::ReportText(std::ldexp(1.0, 1023), kGerman).contains("2<sup>1023</sup>"));
}

// A locale that writes its own digits writes every number of the report in them, the exponents
// too: here the product of powers of 2^16 x 3^2 x 5.
TEST(ReportText, EveryNumberIsInTheLocalesDigits) {
  const std::pair<QLocale, const char*> cases[] = {
      {QLocale(QLocale::Arabic, QLocale::Egypt), "٢<sup>١٦</sup>x ٣<sup>٢</sup>x ٥"},
      {QLocale(QLocale::Nepali, QLocale::Nepal), "२<sup>१६</sup>x ३<sup>२</sup>x ५"},
      {QLocale(QLocale::English, QLocale::India), "2<sup>16</sup>x 3<sup>2</sup>x 5"}};
  for (const auto& [locale, line] : cases) {
    EXPECT_TRUE(report::ReportText(2949120, locale).contains(kOr + QString::fromUtf8(line)))
        << locale.name().toStdString();
  }
}

TEST(ReportText, NothingBetweenThePowersAndTheTableHoweverManyFactors) {
  for (const int exponent : {15, 16, 49}) {
    const QString html = report::ReportText(std::ldexp(1.0, exponent), kEnglish);
    const QString line = FactorizationLine(html);
    EXPECT_TRUE(line.endsWith(kOr + QString("2<sup>%1</sup>").arg(exponent))) << exponent;
    EXPECT_TRUE(html.contains(line + kTableStart)) << exponent;
    EXPECT_EQ(TableRows(html).size(), exponent) << exponent;
  }
}

// Every report from 2 on agrees with trial division: the product form lists the prime factors in
// ascending order, and the table divides each quotient by them in turn down to the largest.
TEST(ReportText, EveryReportUpTo5000AgreesWithTrialDivision) {
  for (long long n = 2; n <= 5000; ++n) {
    QStringList product, rows;
    long long q = n;
    for (long long d = 2; q > 1; d = d * d > q ? q : d + 1)
      for (; q % d == 0; q /= d) {
        product << kEnglish.toString(d);
        rows << (d == q ? kEnglish.toString(d) : kEnglish.toString(d) + '|' + kEnglish.toString(q));
      }
    const QString html = report::ReportText(static_cast<double>(n), kEnglish);
    if (product.size() > 1) {
      ASSERT_EQ(FactorizationLine(html).section(kOr, 0, 0),
                kEnglish.toString(n) + " = " + product.join(" x "))
          << n;
    }
    ASSERT_EQ(TableRows(html), rows) << n;
  }
}

}  // namespace

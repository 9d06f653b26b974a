#include "report/report_text.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <limits>
#include <vector>

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

const QString kHead = "<html><head></head><body>";
const QString kClosing =
    "<p>To prime factor a number, begin dividing by the smallest possible prime and continue until "
    "the quotient is a prime number.</p></body></html>";
const QString kTooDeep =
    "<p>The factor tree of a number with more than 15 prime factors is too deep to draw.</p>";
const QString kTableStart = "<p><strong>Upside-down division : </strong></p>";

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
  for (const auto& m : row.globalMatch(html)) {
    rows << (m.captured(3).isEmpty() ? m.captured(1) + '|' + m.captured(2) : m.captured(3));
  }
  return rows;
}

TEST(ReportText, WorkedReportsAreExact) {
  const QString neither = kHead + "This number is neither prime nor composite" + kClosing;
  const struct {
    double n;
    QString html;
  } cases[] = {
      {12, kHead +
               "&nbsp;&nbsp;The prime factorization of 12 is <br><br>12 = 2 x 2 x 3  <font "
               "color=#FF0000>or</font>  2<sup>2</sup>x 3" +
               kTableStart +
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
      {0, neither},
      {-12, neither},
      {0.5, neither},  // rounds to 0, halves to even
      {std::numeric_limits<double>::quiet_NaN(), neither},
      {std::numeric_limits<double>::infinity(), neither},
      {-std::numeric_limits<double>::infinity(), neither},
  };
  for (const auto& c : cases) EXPECT_EQ(report::ReportText(c.n, kEnglish), c.html) << c.n;
}

TEST(ReportText, NonWholeNumbersAreRoundedHalvesToEven) {
  const struct {
    double n, whole;
  } cases[] = {{12.5, 12}, {13.5, 14}, {1.5, 2}, {2.5, 2}, {359.7, 360}};
  for (const auto& c : cases) {
    EXPECT_EQ(report::ReportText(c.n, kEnglish), report::ReportText(c.whole, kEnglish)) << c.n;
  }
}

TEST(ReportText, FactorizationLines) {
  const struct {
    double n;
    const char* line;
  } cases[] = {
      {30, "30 = 2 x 3 x 5"},
      {360,
       "360 = 2 x 2 x 2 x 3 x 3 x 5  <font color=#FF0000>or</font>  2<sup>3</sup>x 3<sup>2</sup>x "
       "5"},
      {1001, "1,001 = 7 x 11 x 13"},
      {1024,
       "1,024 = 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2 x 2  <font color=#FF0000>or</font>  "
       "2<sup>10</sup>"},
      {8, "8 = 2 x 2 x 2  <font color=#FF0000>or</font>  2<sup>3</sup>"},
      {18, "18 = 2 x 3 x 3  <font color=#FF0000>or</font>  2 x 3<sup>2</sup>"},
      {999996483443777, "999,996,483,443,777 = 31,622,713 x 31,622,729"},
      {2 * 2 * 7 * 11 * 11 * 13,
       "44,044 = 2 x 2 x 7 x 11 x 11 x 13  <font color=#FF0000>or</font>  "
       "2<sup>2</sup>x 7 x 11<sup>2</sup>x 13"},
  };
  for (const auto& c : cases) {
    const QString html = report::ReportText(c.n, kEnglish);
    EXPECT_EQ(FactorizationLine(html), c.line) << c.n;
    EXPECT_FALSE(html.contains(kTooDeep)) << c.n;
  }
}

TEST(ReportText, DivisionTableDividesBySmallestFactorUntilPrime) {
  EXPECT_EQ(TableRows(report::ReportText(360, kEnglish)),
            QStringList({"2|360", "2|180", "2|90", "3|45", "3|15", "5"}));
  EXPECT_EQ(TableRows(report::ReportText(999996483443777, kEnglish)),
            QStringList({"31,622,713|999,996,483,443,777", "31,622,729"}));
}

TEST(ReportText, LargePrimeIsItsOwnFactorization) {
  const QString html = report::ReportText(999999999999989, kEnglish);
  EXPECT_TRUE(html.startsWith(
      kHead + "The prime factorization of 999,999,999,999,989 is 999,999,999,999,989." +
      kTableStart));
  EXPECT_EQ(TableRows(html), QStringList({"999,999,999,999,989"}));
}

TEST(ReportText, GroupsNumbersAsTheLocaleDoesButNeverExponents) {
  EXPECT_EQ(FactorizationLine(report::ReportText(1001, kGerman)), "1.001 = 7 x 11 x 13");
  const QString html = report::ReportText(1024, kGerman);
  EXPECT_TRUE(html.contains("The prime factorization of 1.024 is <br><br>1.024 = 2 x"));
  EXPECT_TRUE(html.contains("  <font color=#FF0000>or</font>  2<sup>10</sup>" + kTableStart));
  EXPECT_EQ(TableRows(html).first(), "2|1.024");
  EXPECT_TRUE(report::ReportText(1009, kGerman).contains("factorization of 1.009 is 1.009."));
  // A whole double beyond 2^53 is factored exactly; its exponent 1023 is not grouped.
  const QString huge = report::ReportText(std::ldexp(1.0, 1023), kEnglish);
  EXPECT_TRUE(huge.contains("  <font color=#FF0000>or</font>  2<sup>1023</sup>" + kTooDeep));
  EXPECT_EQ(TableRows(huge).size(), 1023);
}

TEST(ReportText, MoreThan15FactorsStillGivesTheCompleteReport) {
  const struct {
    double n;
    const char* powers;
    int factors;
  } cases[] = {
      {32768, "2<sup>15</sup>", 15},
      {65536, "2<sup>16</sup>", 16},
      {2 * std::pow(3.0, 15), "2 x 3<sup>15</sup>", 16},
      {std::ldexp(1.0, 49), "2<sup>49</sup>", 49},
      {1e15, "2<sup>15</sup>x 5<sup>15</sup>", 30},
  };
  for (const auto& c : cases) {
    const QString html = report::ReportText(c.n, kEnglish);
    const QString line = FactorizationLine(html);
    EXPECT_TRUE(line.endsWith(QString("<font color=#FF0000>or</font>  ") + c.powers)) << c.n;
    EXPECT_EQ(line.count(" x ") + 1 - QString(c.powers).count(" x "), c.factors) << c.n;
    EXPECT_EQ(html.contains(line + kTooDeep + kTableStart), c.factors > 15) << c.n;
    const QStringList rows = TableRows(html);
    ASSERT_EQ(rows.size(), c.factors) << c.n;
    EXPECT_EQ(rows.first().section('|', 1).remove(','), QString::number(c.n, 'f', 0)) << c.n;
  }
}

// Every report from 2 on agrees with trial division: the product form lists the prime factors in
// ascending order, and the table divides each quotient by them in turn down to the largest.
TEST(ReportText, ProductFormAndTableAgreeWithTrialDivision) {
  for (long long n = 2; n <= 5000; ++n) {
    std::vector<long long> factors;
    long long rest = n;
    for (long long d = 2; d * d <= rest; ++d) {
      for (; rest % d == 0; rest /= d) factors.push_back(d);
    }
    if (rest > 1) factors.push_back(rest);

    QStringList product, rows;
    long long q = n;
    for (long long f : factors) {
      product << kEnglish.toString(f);
      rows << (f == q ? kEnglish.toString(f) : kEnglish.toString(f) + '|' + kEnglish.toString(q));
      q /= f;
    }
    const QString html = report::ReportText(static_cast<double>(n), kEnglish);
    if (factors.size() > 1) {
      ASSERT_EQ(FactorizationLine(html).section("  <font", 0, 0),
                kEnglish.toString(n) + " = " + product.join(" x "))
          << n;
    }
    ASSERT_EQ(TableRows(html), rows) << n;
  }
}

}  // namespace

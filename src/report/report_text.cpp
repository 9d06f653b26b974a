#include "report/report_text.h"

#include <QCoreApplication>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/arithmetic/number_text.h"
#include "core/arithmetic/prime_factors.h"

namespace report {
namespace {

// The report's words, translated in the context "ReportText".
struct Words {
  Q_DECLARE_TR_FUNCTIONS(ReportText)
};

// One distinct prime of the factorization, written in the report's number format, and how often
// it divides the number.
struct PrimePower {
  double prime;
  QString text;
  int exponent;
};

// 2^53: every double from here up is even, so halving it is exact.
constexpr double kTwoTo53 = 9007199254740992.0;

// The distinct prime factors, ascending: the order in which the division table divides by them.
std::vector<PrimePower> Powers(const std::vector<std::uint64_t>& primeFactors,
                               const QLocale& locale) {
  std::vector<PrimePower> powers;
  for (const std::uint64_t factor : primeFactors) {
    const double prime = static_cast<double>(factor);
    if (!powers.empty() && powers.back().prime == prime) {
      ++powers.back().exponent;
    } else {
      powers.push_back({prime, modMain::GroupedText(prime, locale), 1});
    }
  }
  return powers;
}

// The prime factors of a whole, finite n above 1. They come from n alone, so the report never
// depends on the factor tree.
std::vector<std::uint64_t> Factorize(double n) {
  std::vector<std::uint64_t> twos;
  // The odd part of any double is below 2^53, so what is left takes exact 64-bit factoring.
  for (; n >= kTwoTo53; n /= 2) twos.push_back(2);
  std::vector<std::uint64_t> factors = modMain::PrimeFactors(static_cast<std::uint64_t>(n));
  factors.insert(factors.begin(), twos.begin(), twos.end());
  return factors;
}

// Appends every part in order; parts are QStrings or UTF-16 literals.
template <typename... Parts>
void Append(QString& html, const Parts&... parts) {
  (html.append(QStringView(parts)), ...);
}

void AppendPrimeSentence(QString& html, const QString& number) {
  html += Words::tr("The prime factorization of %1 is %1.", "%1 is a prime number").arg(number);
}

// "N = 2 x 2 x 3", followed, only when a prime repeats, by the red "or" and the product of powers
// "2<sup>2</sup>x 3", its exponents in the locale's digits.
void AppendFactorizationLines(QString& html, const QString& number,
                              const std::vector<PrimePower>& powers, const QLocale& locale) {
  const QString times = Words::tr("x", "the multiplication sign between factors, as in 2 x 3");
  Append(
      html, u"&nbsp;&nbsp;",
      Words::tr("The prime factorization of %1 is", "followed by a line break and %1 = 2 x 2 x ...")
          .arg(number),
      u" <br><br>", number, u" = ");
  bool hasPowers = false;
  for (std::size_t i = 0; i < powers.size(); ++i) {
    for (int k = 0; k < powers[i].exponent; ++k) {
      if (i > 0 || k > 0) Append(html, u" ", times, u" ");
      html += powers[i].text;
    }
    hasPowers = hasPowers || powers[i].exponent > 1;
  }
  if (!hasPowers) return;

  Append(html, u"  <font color=#FF0000>",
         Words::tr("or", "between the product and the same as powers"), u"</font>  ");
  QLocale exponents = locale;
  exponents.setNumberOptions(QLocale::OmitGroupSeparator);
  for (std::size_t i = 0; i < powers.size(); ++i) {
    const bool last = i + 1 == powers.size();
    html += powers[i].text;
    if (powers[i].exponent > 1) {
      Append(html, u"<sup>", exponents.toString(powers[i].exponent), u"</sup>");
      if (!last) Append(html, times, u" ");
    } else if (!last) {
      Append(html, u" ", times, u" ");
    }
  }
}

// One row per prime factor counted with multiplicity: each factor but the largest against the
// quotient it divides, then the largest, prime quotient alone.
void AppendDivisionTable(QString& html, double n, const std::vector<PrimePower>& powers,
                         const QLocale& locale) {
  Append(html, u"<p><strong>",
         Words::tr("Upside-down division :",
                   "heading of the table that divides by each prime factor in turn"),
         u" </strong></p><blockquote><table>");
  double q = n;
  for (const PrimePower& p : powers) {
    // The last quotient is the largest prime; it closes the table instead of being divided.
    for (int k = 0; k < p.exponent && q != p.prime; ++k) {
      Append(html, u"<tr><td align='right'><font color=#FF0000>", p.text,
             u"</font></td><td><u>|&nbsp;", modMain::GroupedText(q, locale), u"</u></td></tr>");
      q /= p.prime;
    }
  }
  Append(html, u"<tr><td></td><td>&nbsp;<font color=#FF0000>", powers.back().text,
         u"</font></td></tr></table></blockquote>");
}

}  // namespace

QString ReportText(double n, const QLocale& locale) {
  const double whole = std::nearbyint(n);
  // NaN fails the comparison too.
  if (!(whole > 1) || std::isinf(whole)) return ReportText(whole, {}, locale);
  return ReportText(whole, Factorize(whole), locale);
}

QString ReportText(double n, const std::vector<std::uint64_t>& primeFactors,
                   const QLocale& locale) {
  QString html;
  html += u"<html><head></head><body>";
  if (primeFactors.empty()) {
    html += Words::tr("This number is neither prime nor composite");
  } else {
    const std::vector<PrimePower> powers = Powers(primeFactors, locale);
    const int factorCount = static_cast<int>(primeFactors.size());
    // Enough for the sentence, both forms and the table of a whole number below 10^15, so that
    // building the text does not reallocate.
    html.reserve(480 + 160 * factorCount);
    const QString number = modMain::GroupedText(n, locale);
    if (factorCount == 1) {
      AppendPrimeSentence(html, number);
    } else {
      AppendFactorizationLines(html, number, powers, locale);
    }
    AppendDivisionTable(html, n, powers, locale);
  }
  Append(html, u"<p>",
         Words::tr(
             "To prime factor a number, begin dividing by the smallest possible prime and continue "
             "until the quotient is a prime number."),
         u"</p></body></html>");
  return html;
}

}  // namespace report

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/number_text.h"
#include "core/arithmetic/prime_factors.h"

namespace modMain {
namespace {

// Every positive divisor of m >= 1, ascending, built from its prime factorization. Each prime
// multiplies a run of ascending divisors into another ascending run, which is merged in: no sort.
std::vector<std::uint64_t> Divisors(std::uint64_t m) {
  std::vector<std::uint64_t> divisors{1};
  const std::vector<std::uint64_t> primes = PrimeFactors(m);
  std::vector<std::uint64_t> products, merged;
  for (std::size_t i = 0; i < primes.size(); ++i) {
    // A repeated prime multiplies only the divisors the previous power of it produced.
    if (i == 0 || primes[i] != primes[i - 1]) products = divisors;
    for (std::uint64_t& d : products) d *= primes[i];
    merged.resize(divisors.size() + products.size());
    std::merge(divisors.begin(), divisors.end(), products.begin(), products.end(), merged.begin());
    divisors.swap(merged);
  }
  return divisors;
}

// PlainText of a whole number, written straight into its string: a list can hold thousands.
QString WholeText(std::uint64_t n) {
  char16_t digits[20];
  char16_t* first = std::end(digits);
  do {
    *--first = static_cast<char16_t>(u'0' + n % 10);
    n /= 10;
  } while (n != 0);
  return QString(reinterpret_cast<const QChar*>(first), std::end(digits) - first);
}

}  // namespace

QStringList DivisorItems(double n) {
  if (!(n > 1)) return {PlainText(n)};
  // Above 2^53 doubles skip whole numbers and the square-root search would run for ages.
  if (!(n < 0x1p53)) throw std::domain_error("DivisorList: n is 2^53 or more");
  // The search up to sqrt(n) tests DMod(n, i) = 0, that is, i divides m = round(n).
  const auto m = static_cast<std::uint64_t>(std::nearbyint(n));
  const std::vector<std::uint64_t> divisors = Divisors(m);
  if (static_cast<double>(m) == n) {
    // Each pair i, n / i is a divisor and its partner: together, every divisor once.
    QStringList items;
    items.reserve(static_cast<qsizetype>(divisors.size()));
    for (const std::uint64_t d : divisors) items.append(WholeText(d));
    return items;
  }
  // A non-whole n pairs each divisor i of m up to sqrt(n) with the non-whole n / i.
  const double r = std::sqrt(n);
  QString text;
  for (const std::uint64_t d : divisors) {
    const auto i = static_cast<double>(d);
    if (!(i <= r)) break;
    text += PlainText(i) + ' ' + PlainText(n / i) + ' ';
  }
  QStringList items = DistinctItems(text).split(' ');
  SortList(items, true);
  return items;
}

QString DivisorList(double n) { return DivisorItems(n).join(' '); }

}  // namespace modMain

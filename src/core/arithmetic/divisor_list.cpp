#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/number_text.h"
#include "core/arithmetic/prime_factors.h"

namespace modMain {
namespace {

// Every positive divisor of m >= 1, ascending, built from its prime factorization.
std::vector<std::uint64_t> Divisors(std::uint64_t m) {
  std::vector<std::uint64_t> divisors{1};
  const std::vector<std::uint64_t> primes = PrimeFactors(m);
  std::size_t previousPowerStart = 0;
  for (std::size_t i = 0; i < primes.size(); ++i) {
    // A repeated prime multiplies only the divisors the previous power of it produced.
    const std::size_t from = i > 0 && primes[i] == primes[i - 1] ? previousPowerStart : 0;
    const std::size_t to = divisors.size();
    previousPowerStart = to;
    for (std::size_t k = from; k < to; ++k) divisors.push_back(divisors[k] * primes[i]);
  }
  std::sort(divisors.begin(), divisors.end());
  return divisors;
}

}  // namespace

QString DivisorList(double n) {
  if (!(n > 1)) return PlainText(n);
  // Above 2^53 doubles skip whole numbers and the square-root search would run for ages.
  if (!(n < 0x1p53)) throw std::domain_error("DivisorList: n is 2^53 or more");
  // The search up to sqrt(n) tests DMod(n, i) = 0, that is, i divides m = round(n).
  const auto m = static_cast<std::uint64_t>(std::nearbyint(n));
  const std::vector<std::uint64_t> divisors = Divisors(m);
  QString text;
  if (static_cast<double>(m) == n) {
    // Each pair i, n / i is a divisor and its partner: together, every divisor once.
    text.reserve(static_cast<qsizetype>(divisors.size()) * 16);
    for (const std::uint64_t d : divisors) text += PlainText(static_cast<double>(d)) + ' ';
    text.chop(1);
    return text;
  }
  // A non-whole n pairs each divisor i of m up to sqrt(n) with the non-whole n / i.
  const double r = std::sqrt(n);
  for (const std::uint64_t d : divisors) {
    const auto i = static_cast<double>(d);
    if (!(i <= r)) break;
    text += PlainText(i) + ' ' + PlainText(n / i) + ' ';
  }
  QStringList items = DistinctItems(text).split(' ');
  SortList(items, true);
  return items.join(' ');
}

}  // namespace modMain

#include "core/arithmetic/arithmetic.h"

#include <cmath>
#include <stdexcept>

namespace modMain {

double DMod(double a, double b) {
  const double a1 = std::fabs(std::nearbyint(a));
  const double b1 = std::fabs(std::nearbyint(b));
  if (b1 == 0) throw std::domain_error("division by zero");
  const double q = std::nearbyint(a1 / b1);
  double r = a1 - q * b1;
  if (r < 0) r += b1;
  return r;
}

bool IsPrime(double n) {
  if (DMod(n, 2) == 0) return n == 2;
  if (n < 0) return false;
  const double s = std::sqrt(n);
  for (double d = 3; d <= s; d += 2) {
    if (DMod(n, d) == 0) return false;
  }
  return true;
}

double SmallestFactor(double n) {
  if (n == 2) return 2;
  if (!(n > 2)) return 0;
  if (DMod(n, 2) == 0) return 2;
  const double s = std::sqrt(n);
  for (double d = 3; d <= s; d += 2) {
    if (DMod(n, d) == 0) return d;
  }
  return n;
}

}  // namespace modMain

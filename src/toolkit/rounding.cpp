#include "toolkit/rounding.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace toolkit {

int RoundToInt(double x) {
  const double r = std::nearbyint(x);  // the default rounding mode rounds halves to even
  if (!(r >= std::numeric_limits<int>::min() && r <= std::numeric_limits<int>::max())) {
    throw std::overflow_error("value out of int range");
  }
  return static_cast<int>(r);
}

}  // namespace toolkit

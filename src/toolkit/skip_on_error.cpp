#include "toolkit/skip_on_error.h"

#include <exception>

void SkipOnError(const std::function<void()>& step) {
  try {
    step();
  } catch (const std::exception&) {
    // Deliberately dropped: the rebuild keeps whatever the failed step left and carries on.
  }
}

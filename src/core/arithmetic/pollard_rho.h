#pragma once

#include <cstdint>

namespace modMain::detail {

// A factor of n strictly between 1 and n, not necessarily prime. n must be odd and composite.
std::uint64_t FindFactor(std::uint64_t n);

}  // namespace modMain::detail

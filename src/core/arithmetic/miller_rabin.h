#pragma once

#include <cstdint>

namespace modMain::detail {

// The strong probable-prime test to the twelve prime bases 2 … 37, which no composite below
// 3.3·10^24 passes: a certain answer for every odd 64-bit n above 37.
bool PassesMillerRabin(std::uint64_t n);

}  // namespace modMain::detail

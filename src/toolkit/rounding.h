#pragma once

namespace toolkit {

// Rounds a double to the nearest int, halves to even, as every conversion of a node id, an element
// index or a scroll value does. Throws std::overflow_error outside the int range.
int RoundToInt(double x);

}  // namespace toolkit

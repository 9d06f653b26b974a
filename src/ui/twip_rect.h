#pragma once

// A design rectangle in twips: left, top, width, height.
struct TwipRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

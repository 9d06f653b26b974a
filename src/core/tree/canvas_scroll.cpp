#include "core/tree/canvas_scroll.h"

#include <algorithm>

#include "toolkit/rounding.h"
#include "toolkit/skip_on_error.h"

namespace {

// A page step of a fifth of the range, at least 1.
int PageStep(int max) {
  const double fifth = max * 0.2;
  return fifth < 1 ? 1 : toolkit::RoundToInt(fifth);
}

}  // namespace

void SetupCanvasScroll(CanvasControls& canvas, const float& contentWidth,
                       const float& contentHeight, const float* rootMiddle) {
  toolkit::PictureBox& corner = canvas.corner;
  toolkit::ScrollBar& hs = canvas.hs;
  toolkit::ScrollBar& vs = canvas.vs;
  auto innerWidth = [&] { return static_cast<float>(canvas.picture.ScaleWidth()); };
  auto innerHeight = [&] { return static_cast<float>(canvas.picture.ScaleHeight()); };
  auto barWidth = [&] { return static_cast<float>(vs.Width()); };    // the vertical bar's
  auto barHeight = [&] { return static_cast<float>(hs.Height()); };  // the horizontal bar's

  SkipOnError([&] {
    corner.Move(innerWidth() - corner.Width(), innerHeight() - corner.Height(), barWidth(),
                barHeight());
  });
  SkipOnError(
      [&] { hs.Move(0, innerHeight() - barHeight(), innerWidth() - barWidth(), barHeight()); });
  SkipOnError([&] { hs.SetEnabled(barWidth() + contentWidth > innerWidth()); });
  SkipOnError(
      [&] { vs.Move(innerWidth() - barWidth(), 0, barWidth(), innerHeight() - barHeight()); });
  SkipOnError([&] { vs.SetEnabled(barHeight() + contentHeight > innerHeight()); });
  SkipOnError([&] { hs.SetValue(0); });
  if (hs.Enabled()) {
    SkipOnError([&] { hs.SetMax(toolkit::RoundToInt(contentWidth - innerWidth() + barWidth())); });
    SkipOnError([&] { hs.SetSmallChange(1); });
    SkipOnError([&] { hs.SetLargeChange(PageStep(hs.Max())); });
    // The view starts at the root: the middle of a tree laid out as described.
    SkipOnError([&] {
      if (hs.Max() <= 1) return;
      if (rootMiddle == nullptr) {
        hs.SetValue(toolkit::RoundToInt(hs.Max() / 2.0));
      } else {
        const double value = *rootMiddle - (innerWidth() - barWidth()) / 2;
        hs.SetValue(toolkit::RoundToInt(std::clamp(value, 0.0, static_cast<double>(hs.Max()))));
      }
    });
  }
  SkipOnError([&] { vs.SetValue(0); });
  if (vs.Enabled()) {
    SkipOnError(
        [&] { vs.SetMax(toolkit::RoundToInt(contentHeight - innerHeight() + barHeight())); });
    SkipOnError([&] { vs.SetSmallChange(1); });
    SkipOnError([&] { vs.SetLargeChange(PageStep(vs.Max())); });
  }
}

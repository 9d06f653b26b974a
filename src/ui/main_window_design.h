#pragma once
// Where the main window's controls sit as designed, in twips, before the first layout moves
// them: the window builds its controls from these, and the tree's tests build their fakes so.

#include "ui/twip_rect.h"

namespace design {

constexpr double kInnerWidth = 9285;  // the inner area when the window is restored
constexpr double kInnerHeight = 7050;

constexpr TwipRect kTray{0, 0, kInnerWidth, 435};
constexpr TwipRect kEntryBox{3720, 60, 1095, 315};  // txtPrimFact_1, on the tray
constexpr TwipRect kInfoLabel{60, 180, 3630, 195};
constexpr double kButtonTops[3] = {480, 2220, 4140};
constexpr TwipRect Button(int pane) { return {8220, kButtonTops[pane], 1035, 315}; }

// The two tree canvases with, on each, its bars and the corner square between them.
constexpr TwipRect kCanvas[2] = {{1, 420, 7515, 2235}, {0, 2640, 7575, 2175}};
constexpr TwipRect kHorizontalBar[2] = {{0, 1860, 7215, 255}, {0, 1800, 7215, 255}};
constexpr TwipRect kVerticalBar[2] = {{7200, 0, 255, 1875}, {7200, 0, 255, 1815}};
constexpr TwipRect kCorner[2] = {{7200, 1860, 255, 255}, {7200, 1800, 255, 255}};
constexpr TwipRect kRootBox{2700, 240, 975, 315};    // txtPrimFact_0, on canvas 0
constexpr TwipRect kRootCombo{2700, 600, 975, 315};  // cmbPrimFact_1, the nodes' template
constexpr TwipRect kRootLabel{120, 60, 60, 195};     // lblPrimFact_1, the labels' template

constexpr TwipRect kReport{0, 4800, 7605, 2295};

}  // namespace design

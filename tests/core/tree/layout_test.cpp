// Where the trees' controls and lines go, and how the canvases scroll.

#include <cmath>

#include "support/main_window_fixture.h"

namespace {

using Layout = MainWindowTest;

bool SameSegment(const toolkit::Segment& s, double x1, double y1, double x2, double y2) {
  return std::abs(s.x1 - x1) < 1e-3 && std::abs(s.y1 - y1) < 1e-3 && std::abs(s.x2 - x2) < 1e-3 &&
         std::abs(s.y2 - y2) < 1e-3;
}

TEST_F(Layout, TreeOfFourOnAWideCanvas) {
  Type("4");
  const double w0 = Combo(1).Width(), h = Combo(1).Height();
  EXPECT_EQ(Model().levelCount, 2);
  EXPECT_FALSE(HScroll(0).Enabled());
  const double offX = (Canvas(0).ScaleWidth() - (2 * w0 + 2)) / 2;
  EXPECT_DOUBLE_EQ(RootBox().Left(), offX + w0 / 2);
  EXPECT_DOUBLE_EQ(RootBox().Top(), h);
  EXPECT_DOUBLE_EQ(NodeCombo(2).Left(), offX);
  EXPECT_DOUBLE_EQ(NodeCombo(3).Left(), offX + w0);
  EXPECT_DOUBLE_EQ(NodeCombo(2).Top(), 4 * h);
  EXPECT_EQ(NodeCombo(2).BackColor(), TreeForm::kYellow);

  const auto& lines = Canvas(0).Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(SameSegment(lines[0], offX + w0, 2 * h, offX + w0 / 2, 4 * h));
  EXPECT_TRUE(SameSegment(lines[1], offX + w0, 2 * h, offX + 3 * w0 / 2, 4 * h));
  for (const auto& line : lines) {
    EXPECT_EQ(line.color, TreeForm::kRed);
    EXPECT_EQ(line.width, 2);
  }
  EXPECT_EQ(Canvas(0).DrawWidth(), 1) << "the pen width is restored";
  ASSERT_EQ(Canvas(1).Lines().size(), 2u);
  EXPECT_EQ(Canvas(1).Lines()[0].width, 1);

  // Laying out again draws the same picture, not a second copy.
  window->LayoutTree();
  EXPECT_EQ(Canvas(0).Lines().size(), 2u);
}

TEST_F(Layout, PrimesAreColouredOnBothTrees) {
  Type("12");
  const struct {
    int node;
    bool prime;
  } nodes[] = {{2, false}, {3, true}, {4, true}, {5, true}};
  for (const auto& n : nodes) {
    EXPECT_EQ(NodeCombo(n.node).BackColor(), n.prime ? TreeForm::kYellow : TreeForm::kWhite);
    EXPECT_EQ(NodeLabel(n.node).ForeColor(), n.prime ? TreeForm::kBlue : TreeForm::kBlack);
    EXPECT_TRUE(NodeLabel(n.node).Visible());
  }
  EXPECT_EQ(NodeLabel(1).Caption(), "12");
  EXPECT_EQ(Canvas(0).Lines().size(), 4u);
  EXPECT_EQ(Canvas(1).Lines().size(), 4u);
}

TEST_F(Layout, DroppedNodesStayLoadedButHiddenWithoutLines) {
  Type("24");    // 24; 12, 2; 6, 2; 3, 2
  Pick(2, "3");  // 24 = 3 x 8: node 2 is a prime leaf now, node 3 = 8 grows instead
  EXPECT_FALSE(NodeCombo(4).Visible());
  EXPECT_FALSE(NodeCombo(8).Visible());
  EXPECT_FALSE(NodeLabel(8).Visible());
  EXPECT_EQ(Canvas(0).Lines().size(), 6u);  // 1-2, 1-3, 3-6, 3-7, 6-12, 6-13
}

TEST_F(Layout, WideTreesScrollAndEveryPartIsReachable) {
  Type("32768");  // 2^15 leaves on the lowest level: far wider than 32767 twips
  QtScrollBar& bar = HScroll(0);
  ASSERT_TRUE(bar.Enabled());
  EXPECT_GT(bar.Max(), 32767);
  EXPECT_EQ(bar.Max(),
            qRound(Model().contentWidth[0] - Canvas(0).ScaleWidth() + VScroll(0).Width()));
  EXPECT_EQ(bar.Value(), bar.Max() / 2);  // starts where the root is
  const double w0 = Combo(1).Width();
  const double rootSlot = w0 * std::pow(2.0, 14);
  bar.SetValue(0);
  QtComboBox& deepest = NodeCombo(16384);  // the leftmost node of the lowest level
  EXPECT_DOUBLE_EQ(deepest.Left(), 0);
  bar.SetValue(bar.Max());  // the tree's right edge meets the vertical bar
  const double offX = RootBox().Left() - (rootSlot - w0) / 2;
  EXPECT_NEAR(offX + Model().contentWidth[0], Canvas(0).ScaleWidth() - VScroll(0).Width(), 0.5);

  QtScrollBar& down = VScroll(0);
  ASSERT_TRUE(down.Enabled());
  down.SetValue(down.Max());
  EXPECT_LE(deepest.Top() + deepest.Height(), Canvas(0).ScaleHeight() - HScroll(0).Height());
  EXPECT_GE(deepest.Top(), 0);

  // Nodes scrolled under the bars stay beneath them.
  const QObjectList stack = Canvas(0).children();  // bottom to top
  EXPECT_LT(stack.indexOf(&deepest), stack.indexOf(&HScroll(0)));
  EXPECT_LT(stack.indexOf(&deepest), stack.indexOf(&VScroll(0)));
}

TEST_F(Layout, ScrollingMovesNodesAndLinesTogether) {
  Type("360");
  QtScrollBar& down = VScroll(1);
  ASSERT_TRUE(down.Enabled());
  const double top = NodeLabel(33).Top();
  const double y2 = Canvas(1).Lines().back().y2;
  down.SetValue(10);
  EXPECT_DOUBLE_EQ(NodeLabel(33).Top(), top - 10);
  EXPECT_DOUBLE_EQ(Canvas(1).Lines().back().y2, y2 - 10);
}

TEST_F(Layout, ScrollRangesAndStepsRoundHalvesToEven) {
  Type("12");
  const double W = Canvas(0).ScaleWidth(), bw = VScroll(0).Width();
  const struct {
    double excess;
    bool enabled;
    int max, value, largeChange;
  } cases[] = {{0, false, 0, 0, 0},
               {0.5, true, 0, 0, 1},
               {1, true, 1, 0, 1},
               {2, true, 2, 1, 1},
               {5, true, 5, 2, 1},
               {7, true, 7, 4, 1},
               {8, true, 8, 4, 2},
               {12, true, 12, 6, 2},
               {13, true, 13, 6, 3},
               {2.5, true, 2, 1, 1},
               {100001, true, 100001, 50000, 20000}};
  for (const auto& c : cases) {
    window->model.contentWidth[0] = static_cast<float>(W - bw + c.excess);
    window->SetupCanvasScroll(0);
    QtScrollBar& bar = HScroll(0);
    EXPECT_EQ(bar.Enabled(), c.enabled) << c.excess;
    EXPECT_EQ(bar.Value(), c.value) << c.excess;
    if (!c.enabled) continue;
    EXPECT_EQ(bar.Max(), c.max) << c.excess;
    EXPECT_EQ(bar.LargeChange(), c.largeChange) << c.excess;
    EXPECT_EQ(bar.SmallChange(), 1);
  }
}

TEST_F(Layout, CanvasResizeKeepsTheLoneRootCentred) {
  Type("7");
  SetInnerSize(6000, 7050);
  EXPECT_DOUBLE_EQ(RootBox().Left(), (Canvas(0).ScaleWidth() - Combo(1).Width()) / 2);
  Type("0");
  SetInnerSize(8000, 7050);
  EXPECT_DOUBLE_EQ(RootBox().Left(),
                   (Canvas(0).ScaleWidth() - RootBox().Width() - VScroll(0).Width()) / 2);
  EXPECT_DOUBLE_EQ(RootBox().Top(), Combo(1).Height());
  EXPECT_FALSE(HScroll(0).Enabled());
  EXPECT_EQ(HScroll(0).Value(), 0);
  // The bars and the corner stay on the canvas's edges.
  EXPECT_DOUBLE_EQ(VScroll(0).Left(), Canvas(0).ScaleWidth() - VScroll(0).Width());
  EXPECT_DOUBLE_EQ(HScroll(0).Top(), Canvas(0).ScaleHeight() - HScroll(0).Height());
}

TEST_F(Layout, NothingMovesWhileMinimised) {
  Type("12");
  const double left = NodeCombo(2).Left();
  window->showMinimized();
  QCoreApplication::processEvents();
  window->picCanvas_Resize(0);
  EXPECT_DOUBLE_EQ(NodeCombo(2).Left(), left);
}

}  // namespace

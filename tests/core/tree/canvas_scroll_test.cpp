// The scroll bars of the tree canvases and what a canvas resize moves.

#include <optional>
#include <set>

#include "core/arithmetic/arithmetic.h"
#include "support/fake_tree_form.h"

namespace {

using CanvasScroll = TreeFormTest;

std::tuple<bool, int, int, int, int> State(const fake::ScrollBar& bar) {
  return {bar.enabled, bar.max, bar.largeChange, bar.smallChange, bar.value};
}

// After 12 (see layout_test.cpp): canvas 0 is 7455 x 2175 inside, the tree 3902 x 2835
// (315 x 3 x 3 levels), so only its vertical bar is on: Max 2835 - 2175 + 255 = 915, page step
// 915 / 5 = 183. Canvas 1 is 7515 x 2115 inside, the tree 1082 x 881.5 (195 x 3 x 1.5 + 4); the
// bars of both meet in a 255-twip corner at the canvas's inner bottom right.
TEST_F(CanvasScroll, BarsSitOnTheCanvasEdges) {
  Type("12");
  const struct {
    double right, bottom;
    bool vsEnabled;
    int vsMax, vsLargeChange;
  } canvases[] = {{7200, 1920, true, 915, 183}, {7260, 1860, false, 0, 1}};
  for (int i = 0; i < 2; ++i) {
    const auto& c = canvases[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(form.corner[i].rect, (fake::Rect{c.right, c.bottom, 255, 255}));
    EXPECT_EQ(form.hs[i].rect, (fake::Rect{0, c.bottom, c.right, 255}));
    EXPECT_EQ(form.vs[i].rect, (fake::Rect{c.right, 0, 255, c.bottom}));
    EXPECT_FALSE(form.hs[i].enabled);
    EXPECT_EQ(State(form.vs[i]), std::tuple(c.vsEnabled, c.vsMax, c.vsLargeChange, 1, 0));
  }
}

// The horizontal bar's Max is the excess of the tree's width over the canvas's 7455 less the 255
// of the vertical bar; its Value, the middle, and its LargeChange, a fifth, round halves to even.
TEST_F(CanvasScroll, HorizontalBarCoversTheTreesExcessWidthRoundingHalvesToEven) {
  Type("12");
  const struct {
    float excess;
    int max, value, largeChange;
  } cases[] = {
      {0.5, 0, 0, 1}, {1, 1, 0, 1}, {2, 2, 1, 1},   {2.5, 2, 1, 1}, {5, 5, 2, 1},
      {7, 7, 4, 1},   {8, 8, 4, 2}, {12, 12, 6, 2}, {13, 13, 6, 3}, {100001, 100001, 50000, 20000}};
  CanvasControls canvas = form.Canvas(0);
  for (const auto& c : cases) {
    SetupCanvasScroll(canvas, 7200 + c.excess, form.Model().contentHeight[0]);
    EXPECT_EQ(State(form.hs[0]), std::tuple(true, c.max, c.largeChange, 1, c.value)) << c.excess;
  }
}

// 2^15 has 15 prime factors, the most a tree can hold: 15 levels, 315 x 3 x 15 = 14175 high, and
// 16384 slots of 975 on the lowest level, 15974402 wide, far past 16 bits. It starts in the
// middle, where the root is; a bar disabled by a resize returns to 0.
TEST_F(CanvasScroll, WideTreesScrollToEveryPart) {
  Type("32768");
  EXPECT_EQ(form.Model().levelCount, 15);
  EXPECT_EQ(Values({16384, 16385}), (std::vector<double>{2, 2}));
  EXPECT_EQ(std::pair(form.hs[0].max, form.hs[0].value), std::pair(15974402 - 7455 + 255, 7983601));
  form.hs[0].SetValue(0);
  EXPECT_EQ(NodeCombo(16384).rect.left, 0);
  const fake::Rect label = NodeLabel(16385).rect;
  form.vs[0].SetValue(form.vs[0].max);
  EXPECT_EQ(NodeLabel(16385).rect, label) << "canvas 1 scrolls by its own bar";
  EXPECT_EQ(form.vs[0].max, 14175 - 2175 + 255);
  EXPECT_EQ(NodeCombo(16385).rect.top, 315 + 14 * 945 - 12255);
  EXPECT_TRUE(NodeCombo(16385).visible);
  form.hs[0].SetValue(7);
  form.canvas[0].Move(0, form.canvas[0].Top(), 3e7, form.canvas[0].Height());
  EXPECT_EQ(std::pair(form.hs[0].enabled, form.hs[0].value), std::pair(false, 0));
}

// Each canvas's set-up moves its bars, and every move of a bar asks for a layout: a resize still
// lays each tree out once, with the bars' final values.
TEST_F(CanvasScroll, AResizeLaysEachTreeOutOnce) {
  Type("32768");
  form.hs[1].SetValue(5);
  const int clears[2] = {form.canvas[0].clears, form.canvas[1].clears};
  form.canvas[0].Move(1, 420, 6000, 3000);
  EXPECT_EQ(std::pair(form.canvas[0].clears, form.canvas[1].clears),
            std::pair(clears[0] + 1, clears[1] + 1));
  const fake::Rect placed[2] = {NodeCombo(16384).rect, NodeLabel(16384).rect};
  form.LayoutTree();
  EXPECT_EQ(NodeCombo(16384).rect, placed[0]);
  EXPECT_EQ(NodeLabel(16384).rect, placed[1]);
}

// Canvas 0 resized to 6000 or 8000 inside and canvas 1 to 200 more: a prime's root keeps the
// design top, its hidden label ("7" and a digit: 90 + 90) centred on its own canvas too; the
// empty box sits between the moved bars.
TEST_F(CanvasScroll, ResizeRecentresTheRootBox) {
  const struct {
    const char* entry;
    double inside;
    fake::Rect root;
    std::optional<double> labelLeft;
  } cases[] = {{"7", 6000, {(6000 - 975) / 2.0, 240, 975, 315}, (6200 - 180) / 2.0},
               {"0", 8000, {(8000 - 975 - 255) / 2.0, 315, 975, 315}, {}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    Type("7");
    Type(c.entry);
    form.canvas[0].Move(1, 420, c.inside + 60, 2235);
    form.canvas[1].Move(0, 2640, c.inside + 260, 2175);
    EXPECT_EQ(form.box[0].rect, c.root);
    EXPECT_EQ(form.vs[1].rect.left, c.inside + 200 - 255);
    EXPECT_FALSE(form.labels.Item(1).visible);
    if (c.labelLeft) {
      EXPECT_EQ(form.labels.Item(1).rect.left, *c.labelLeft);
    }
  }
}

TEST_F(CanvasScroll, NothingMovesWhileMinimised) {
  Type("12");
  form.windowState = toolkit::vbMinimized;
  form.canvas[0].Move(1, 420, 6060, 2235);
  EXPECT_EQ(std::pair(NodeCombo(2).rect.left, form.hs[0].rect.width), std::pair(2264.0, 7200.0));
  form.windowState = toolkit::vbNormal;
  form.picCanvas_Resize(0);
  EXPECT_EQ(NodeCombo(2).rect.left, (6000 - 3902) / 2.0 + 487.5);
}

// A canvas narrower than its vertical bar (a 15-pixel window) has its horizontal bar enabled
// even with no tree, so the refresh's first scroll set-up moves it before the new tree is walked.
class TinyCanvas : public TreeFormTest {
 protected:
  void Shrink() {
    for (fake::PictureBox& canvas : form.canvas) canvas.Move(0, canvas.Top(), 225, 6000);
  }
  // Node ids of the tree the model holds now: the children of every composite node.
  std::set<QString> CurrentTree(int node = 1) const {
    std::set<QString> nodes = {QString::number(node)};
    if (!modMain::IsPrime(form.Model().nodeValue(node)))
      for (const int child : {2 * node, 2 * node + 1}) nodes.merge(CurrentTree(child));
    return nodes;
  }
  template <class Array>
  static std::set<QString> Shown(Array& array) {
    std::set<QString> tags;
    for (const int index : array.Indices())
      if (array.Item(index).visible) tags.insert(array.Item(index).tag);
    return tags;
  }
};

// The root box stands in for node 1's combo box.
TEST_F(TinyCanvas, OnlyTheCurrentTreeShowsAfterAChoice) {
  Type("15710247");
  Shrink();
  Pick(9, "2121");
  std::set<QString> tree = CurrentTree();
  EXPECT_EQ(Shown(form.labels), tree);
  tree.erase("1");
  EXPECT_EQ(Shown(form.combos), tree);
}

TEST_F(TinyCanvas, ABarMovedWithNoTreeLaysNothingOut) {
  Shrink();
  Type("1");
  ASSERT_GT(form.hs[1].max, 0);
  form.hs[1].SetValue(1);
  EXPECT_FALSE(form.labels.Item(1).visible);
  Type("7");
  const fake::Rect root = form.box[0].rect;
  form.hs[0].SetValue(1);
  EXPECT_EQ(form.box[0].rect, root) << "a prime's root box stays centred";
}

}  // namespace

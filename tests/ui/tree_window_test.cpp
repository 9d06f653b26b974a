// The factor tree in the real window: typed keys reach it, and its node controls land on the
// canvas at the pixels of their twips. Picks and Enter are driven in tree_use_test.cpp.

#include "support/main_window_fixture.h"

namespace {

using TreeWindow = MainWindowTest;

TEST_F(TreeWindow, TheEntryDropsTypedLetters) {
  Type("1a2");
  EXPECT_EQ(Entry().Text(), "12");
}

// Combo boxes of 975 x 315 twips, 65 x 21 pixels, inside the canvas's 2-pixel border: the root
// at top 315 twips (21 px), level 1 at 1260 (84 px), level 2 at 2205 (147 px); slots of 130 px on
// level 1 and 65 px on level 2, the root box centred between nodes 2 and 3.
TEST_F(TreeWindow, TypingANumberPlacesItsTreeAtThePixelsOfItsTwips) {
  Type("12");
  const struct {
    const char* name;
    QWidget* control;
    QWidget* other;
    int dx;  // how many pixels the control is right of the other
    int top;
  } places[] = {{"the root box, right of node 2", &RootBox(), &NodeCombo(2), 65, 23},
                {"node 3, right of node 2", &NodeCombo(3), &NodeCombo(2), 130, 86},
                {"node 5, right of node 4", &NodeCombo(5), &NodeCombo(4), 65, 149}};
  for (const auto& p : places) {
    SCOPED_TRACE(p.name);
    EXPECT_EQ(p.control->x() - p.other->x(), p.dx);
    EXPECT_EQ(p.control->mapTo(&Canvas(0), QPoint()).y(), p.top);
    EXPECT_TRUE(p.control->isVisible());
  }
}

TEST_F(TreeWindow, APickLeavesTheReportWhereTheReaderIsInIt) {
  Type("360");
  SetInnerSize(9285, 4000);
  QScrollBar& scroll = *Report().verticalScrollBar();
  ASSERT_GT(scroll.maximum(), 0);
  scroll.setValue(scroll.maximum());
  Pick(2, "12");
  EXPECT_EQ(scroll.value(), scroll.maximum());
}

}  // namespace

namespace {

class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    paints += event->type() == QEvent::Paint;
    return false;
  }
};

// Every refresh sets the bars to 0 and back; one that leaves them as they were paints nothing.
TEST_F(TreeWindow, ABarLeftAsItWasIsNotRepainted) {
  Entry().SetText("12");
  QCoreApplication::processEvents();
  PaintCounter counter;
  VScroll(0).installEventFilter(&counter);
  Entry().SetText("18");  // three levels, as 12 has
  QCoreApplication::processEvents();
  EXPECT_EQ(counter.paints, 0);
  Entry().SetText("16");  // four
  QCoreApplication::processEvents();
  EXPECT_GT(counter.paints, 0);
}

}  // namespace

// Using the trees in the real window: keys, pixels, painting, wheel, drag, Tab, focus and lists.

#include <QSignalSpy>

#include "support/event_counter.h"
#include "support/main_window_fixture.h"

namespace {

using TreeUse = MainWindowTest;

TEST_F(TreeUse, TheEntryDropsTypedLetters) {
  Type("1a2");
  EXPECT_EQ(Entry().Text(), "12");
}

TEST_F(TreeUse, APickLeavesTheReportWhereTheReaderIsInIt) {
  Type("360");
  SetInnerSize(9285, 4000);
  QScrollBar& scroll = *Report().verticalScrollBar();
  ASSERT_GT(scroll.maximum(), 0);
  scroll.setValue(scroll.maximum());
  Pick(2, "12");
  EXPECT_EQ(scroll.value(), scroll.maximum());
}

// Every refresh sets the bars to 0 and back; one that leaves them as they were paints nothing.
TEST_F(TreeUse, ABarLeftAsItWasIsNotRepainted) {
  Entry().SetText("12");
  QCoreApplication::processEvents();
  EventCounter counter(QEvent::Paint);
  VScroll(0).installEventFilter(&counter);
  Entry().SetText("18");  // three levels, as 12 has
  QCoreApplication::processEvents();
  EXPECT_EQ(counter.count, 0);
  Entry().SetText("16");  // four
  QCoreApplication::processEvents();
  EXPECT_GT(counter.count, 0);
}

// 1024 scrolled until the root box straddles the vertical bar, and a window too small for it.
TEST_F(TreeUse, NothingOfATreePaintsOverTheBarsOrTheBorder) {
  Type("1024");
  const double vsLeft = VScroll(0).Left();
  HScroll(0).SetValue(HScroll(0).Value() - qRound(vsLeft - 300 - RootBox().Left()));
  ASSERT_TRUE(RootBox().Left() < vsLeft && RootBox().Left() + RootBox().Width() > vsLeft);
  for (bool small : {false, true}) {
    if (small) SetInnerSize(350 * 15, 220 * 15);
    for (int k = 0; k < 2; ++k) {
      const QRect view = Canvas(k).View()->geometry();
      const QImage shot = Canvas(k).grab().toImage();
      int stray = 0;  // node fill, root fill or line colour outside the view
      for (int i = 0; i < shot.width() * shot.height(); ++i) {
        const QPoint at(i % shot.width(), i / shot.width());
        const QColor c = shot.pixelColor(at);
        stray += !view.contains(at) && (c == QColor(0xFFFFC0) || c == Qt::yellow || c == Qt::red);
      }
      EXPECT_EQ(stray, 0) << "canvas " << k << (small ? " in a small window" : "");
    }
  }
}

TEST_F(TreeUse, TheBarsEndAtTheCanvasInnerEdgesAtFractionalSizes) {
  for (double height : {1800.0, 1893.3, 1897.5, 1904.9, 1911.25}) {
    Canvas(0).Move(0.4, 750.6, 9284.5, height);
    const QRect corner = Find<QtPictureBox>("picScroll_0").geometry();
    const QRect bars = VScroll(0).geometry() | HScroll(0).geometry() | corner;
    EXPECT_EQ(bars.bottomRight(), Canvas(0).contentsRect().bottomRight()) << height;
    EXPECT_EQ(corner.topLeft(), QPoint(VScroll(0).x(), HScroll(0).y())) << height;
    EXPECT_EQ(Canvas(0).View()->geometry().bottom() + 1, HScroll(0).y()) << height;
  }
}

// A step is a combo box's height and a page what the view shows, whether the wheel turns a notch
// (120) over the view, sideways with Shift or over a bar; an arrow or page key is pressed on the
// canvas; or a bar's own arrow is clicked. The tree moves with the bar.
TEST_F(TreeUse, TheWheelKeysAndArrowsScrollTheTreeByWhatAPersonSees) {
  Type("1024");
  QWidget* view = Canvas(0).View();
  const int h = Combo(1).Height(), page = view->height() * 15;
  const auto wheel = [this](QWidget* over, int angle, Qt::KeyboardModifiers modifiers = {}) {
    return [=, this] { Wheel(over, {0, angle}, modifiers); };
  };
  const auto key = [this](Qt::Key key) { return [=, this] { QTest::keyClick(&Canvas(0), key); }; };
  const struct {
    const char* name;
    std::function<void()> scroll;
    QtScrollBar& bar;
    int by;
  } steps[] = {
      {"a notch over the view", wheel(view, -120), VScroll(0), h},
      {"three notches back, held at 0", wheel(view, 360), VScroll(0), -h},
      {"a notch with Shift", wheel(view, -120, Qt::ShiftModifier), HScroll(0), h},
      {"two notches over a bar", wheel(&HScroll(0), -240), HScroll(0), 2 * h},
      {"Right", key(Qt::Key_Right), HScroll(0), h},
      {"Left", key(Qt::Key_Left), HScroll(0), -h},
      {"Down", key(Qt::Key_Down), VScroll(0), h},
      {"Up", key(Qt::Key_Up), VScroll(0), -h},
      {"Page Down", key(Qt::Key_PageDown), VScroll(0), page},
      {"Page Up", key(Qt::Key_PageUp), VScroll(0), -page},
      {"a bar's arrow", [&] { VScroll(0).triggerAction(QAbstractSlider::SliderSingleStepAdd); },
       VScroll(0), h}};
  Canvas(0).setFocus();
  for (const auto& s : steps) {
    SCOPED_TRACE(s.name);
    const int before = s.bar.Value();
    const double at = &s.bar == &VScroll(0) ? RootBox().Top() : RootBox().Left();
    s.scroll();
    EXPECT_EQ(s.bar.Value(), before + s.by);
    EXPECT_DOUBLE_EQ(&s.bar == &VScroll(0) ? RootBox().Top() : RootBox().Left(), at - s.by);
  }
  Wheel(&NodeCombo(2), {0, -120});
  EXPECT_EQ(NodeCombo(2).Text(), "512") << "a node takes no pick from the wheel";
  QTest::keyClick(&Canvas(0), Qt::Key_End);
  EXPECT_EQ(VScroll(0).Value(), VScroll(0).Max());
  QTest::keyClick(&Canvas(0), Qt::Key_Home);
  EXPECT_EQ(VScroll(0).Value(), 0);
}

// Dragging the background 20 px left and 10 px up pans the tree with the pointer.
TEST_F(TreeUse, DraggingTheBackgroundPansTheTree) {
  Type("1024");
  QWidget* view = Canvas(0).View();
  const int x0 = HScroll(0).Value();
  const double left = RootBox().Left();
  QTest::mousePress(view, Qt::LeftButton, {}, {40, 60});
  QTest::mouseMove(view, {20, 50});
  QTest::mouseRelease(view, Qt::LeftButton, {}, {20, 50});
  EXPECT_EQ(std::pair(HScroll(0).Value(), VScroll(0).Value()), std::pair(x0 + 300, 150));
  EXPECT_DOUBLE_EQ(RootBox().Left(), left - 300);
  QTest::mouseMove(view, {0, 0});  // released: the pointer moves alone
  EXPECT_EQ(VScroll(0).Value(), 150);
}

// 360 with nodes 6, 7, 12 and 13 loaded for 45 x 8, then 24 and 25 loaded last for 4 x 90,
// though they walk between 12 and 13.
class TreeFocus : public TreeUse {
 protected:
  void SetUp() override {
    TreeUse::SetUp();
    Type("360");
    Pick(3, "8");
    Pick(2, "4");
  }
};

// The design's order round to the entry box, node combo boxes as "node <id>"; a disabled bar is
// no stop.
TEST_F(TreeFocus, TabVisitsNodesInWalkOrder) {
  QStringList expected = {"txtPrimFact_0", "picCanvas_0", "vsScroll_0", "hsScroll_0"}, stops;
  for (int node : {2, 4, 5, 3, 6, 12, 24, 25, 13, 7}) expected << QString("node %1").arg(node);
  expected << QStringList{"picCanvas_1", "vsScroll_1",    "hsScroll_1",
                          "wbPreview",   "cmdStatus_0",   "cmdStatus_1",
                          "cmdStatus_2", "txtPrimFact_1", "txtPrimFact_0"};
  expected.removeIf([&](const QString& name) {
    return name.contains("Scroll") && !Find<QtScrollBar>(name).Enabled();
  });
  while (stops.size() < expected.size()) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    const auto* focus = QApplication::focusWidget();
    const auto* combo = qobject_cast<const QtComboBox*>(focus);
    stops << (combo ? "node " + combo->Tag() : focus->objectName());
  }
  EXPECT_EQ(stops, expected);
}

// To the middle, as far as the bars go: across, to the end.
TEST_F(TreeFocus, AFocusedNodeOutOfSightComesToTheMiddle) {
  QtComboBox& far = NodeCombo(7);  // right of and below what the view shows
  HScroll(0).SetValue(0);
  const QRect view = Canvas(0).View()->rect();
  ASSERT_FALSE(view.intersects(far.geometry()));
  far.setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(view.contains(far.geometry()));
  EXPECT_LE(std::abs(far.geometry().center().y() - view.center().y()), 1);
}

// Partly in sight at the left edge: only as far as shows it whole, its left at the edge.
TEST_F(TreeFocus, AFocusedNodePartlyInSightMovesJustIntoSight) {
  QtComboBox& node = NodeCombo(2);
  HScroll(0).SetValue(HScroll(0).Value() + qRound(node.Left() + node.Width() / 2));
  ASSERT_LT(node.Left(), 0);
  node.setFocus(Qt::TabFocusReason);
  EXPECT_EQ(node.geometry().left(), 0);
}

// A pick in the open list; Down: 15, the item after 12; 18 typed over 15 and Enter on an item.
TEST_F(TreeFocus, TheChosenNodeKeepsTheFocusHoweverTheChoiceIsMade) {
  const std::function<void(QtComboBox&)> ways[] = {
      [&](QtComboBox&) { Pick(2, "12"); },
      [](QtComboBox& node) { QTest::keyClick(&node, Qt::Key_Down); },
      [](QtComboBox& node) { QTest::keyClicks(&node, "18\r"); }};
  for (int way = 0; way < 3; ++way) {
    NodeCombo(2).setFocus();
    ways[way](NodeCombo(2));
    EXPECT_EQ(Model().nodeValue(2), 12 + 3 * way) << way;
    EXPECT_EQ(QApplication::focusWidget(), &NodeCombo(2)) << way;
  }
}

TEST_F(TreeUse, BoxesShowTheirFullValueFromTheFirstDigit) {
  Type("123456789012345");
  RootBox().setFocus();
  RootBox().end(false);
  Entry().setFocus();
  EXPECT_EQ(QStringList({Entry().toolTip(), RootBox().toolTip(), NodeCombo(2).toolTip()}),
            QStringList({"123,456,789,012,345", "123,456,789,012,345", "41,152,263,004,115"}));
  EXPECT_EQ(std::pair(RootBox().cursorPosition(), NodeCombo(2).lineEdit()->cursorPosition()),
            std::pair(0, 0))
      << "shown from the first digit once the focus left";
  NodeCombo(2).showPopup();  // its open list shows every item whole
  const QAbstractItemView& list = *NodeCombo(2).view();
  EXPECT_GT(list.viewport()->width(), list.fontMetrics().horizontalAdvance("41152263004115"));
  NodeCombo(2).hidePopup();
}

TEST_F(TreeUse, AnOpenListHighlightsTheNodesValueWithoutPicking) {
  Type("12");
  QtComboBox& node = NodeCombo(2);  // 6, listing 2 3 4 6
  QSignalSpy picks(&node, &QComboBox::activated);
  node.showPopup();
  EXPECT_EQ(node.view()->currentIndex().row(), 3);
  QTest::keyClick(node.view(), Qt::Key_Up);
  EXPECT_EQ(node.view()->currentIndex().row(), 2);
  node.hidePopup();
  EXPECT_EQ(std::tuple(picks.count(), node.Text()), std::tuple(0, QString("6")));
}

// A list written again after it was open opens with its new items and the node's value.
TEST_F(TreeUse, AListWrittenAgainAfterItWasOpenOpensWithTheNewItems) {
  Type("360");
  QtComboBox& node = NodeCombo(4);  // 90, under 180
  node.showPopup();
  node.hidePopup();
  Pick(2, "12");  // node 4 is 6 under 12 now
  ASSERT_EQ(&NodeCombo(4), &node);
  node.showPopup();
  const QAbstractItemModel& shown = *node.view()->model();
  QStringList items;
  for (int i = 0; i < shown.rowCount(); ++i) items << shown.index(i, 0).data().toString();
  EXPECT_EQ(items, QStringList({"2", "3", "4", "6"}));
  EXPECT_EQ(std::pair(node.Text(), node.view()->currentIndex().row()), std::pair(QString("6"), 3));
  node.hidePopup();
}

}  // namespace

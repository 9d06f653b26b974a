// Using the trees in the real window: what they may paint over, the wheel, dragging, Tab, the
// focus after a choice, full values and the open list.

#include <QAbstractItemView>
#include <QApplication>
#include <QSignalSpy>
#include <QWheelEvent>

#include "support/main_window_fixture.h"
#include "ui/qt_canvas_view.h"

namespace {

class TreeUse : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  void Wheel(QWidget* over, QPoint angle, Qt::KeyboardModifiers modifiers = {}) {
    const QPointF at(5, 5);
    QWheelEvent wheel(at, over->mapToGlobal(at), {}, angle, {}, modifiers, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(over, &wheel);
  }

  // Names of the Tab stops after the entry box, node combo boxes as "node <id>".
  QStringList TabStops() {
    QStringList stops;
    for (QWidget* w = Entry().nextInFocusChain(); w != &Entry(); w = w->nextInFocusChain()) {
      const bool stop = (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled();
      if (!stop || w->focusProxy() != nullptr) continue;
      const auto* combo = qobject_cast<QtComboBox*>(w);
      stops << (combo ? "node " + combo->Tag() : w->objectName());
    }
    return stops;
  }
};

// 1024 scrolled until the root box straddles the vertical bar, and a window too small for it.
TEST_F(TreeUse, NothingOfATreePaintsOverTheBarsOrTheBorder) {
  Type("1024");
  const double vsLeft = VScroll(0).Left();
  HScroll(0).SetValue(HScroll(0).Value() - qRound(vsLeft - 300 - RootBox().Left()));
  ASSERT_LT(RootBox().Left(), vsLeft);
  ASSERT_GT(RootBox().Left() + RootBox().Width(), vsLeft);
  for (bool small : {false, true}) {
    if (small) SetInnerSize(350 * 15, 220 * 15);
    for (int k = 0; k < 2; ++k) {
      QtPictureBox& canvas = Canvas(k);
      const QRect view = canvas.View()->geometry();
      EXPECT_EQ(RootBox().parentWidget(), Canvas(0).View());
      EXPECT_EQ(NodeLabel(2).parentWidget(), Canvas(1).View());
      EXPECT_TRUE(canvas.contentsRect().contains(view) || view.isEmpty());
      EXPECT_LE(view.right(), VScroll(k).geometry().left() - 1);
      EXPECT_LE(view.bottom(), HScroll(k).geometry().top() - 1);
      // No node fill, root fill or line colour anywhere outside the view.
      const QImage shot = canvas.grab().toImage();
      for (int x = 0; x < shot.width(); ++x) {
        for (int y = 0; y < shot.height(); ++y) {
          if (view.contains(x, y)) continue;
          const QColor c = shot.pixelColor(x, y);
          ASSERT_FALSE(c == QColor(255, 255, 192) || c == QColor(255, 255, 0) || c == Qt::red)
              << "canvas " << k << (small ? " small" : "") << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST_F(TreeUse, BarsAndCornerEndAtTheInnerEdgesForFractionalSizes) {
  for (double height : {1800.0, 1893.3, 1897.5, 1904.9, 1911.25}) {
    Canvas(0).Move(0.4, 750.6, 9284.5, height);
    const QRect inner = Canvas(0).contentsRect();
    const QRect corner = Find<QtPictureBox>("picScroll_0").geometry();
    EXPECT_EQ(VScroll(0).geometry().right(), inner.right()) << height;
    EXPECT_EQ(corner.right(), inner.right()) << height;
    EXPECT_EQ(HScroll(0).geometry().bottom(), inner.bottom()) << height;
    EXPECT_EQ(corner.bottom(), inner.bottom()) << height;
    EXPECT_EQ(Canvas(0).View()->geometry().bottom() + 1, HScroll(0).geometry().top()) << height;
  }
}

TEST_F(TreeUse, WheelAndDragMoveTheBarsAndTheTree) {
  Type("1024");
  const double h = Combo(1).Height();  // one notch: a combo box's height, in twips
  QWidget* view = Canvas(0).View();
  const int x0 = HScroll(0).Value();
  const double left = RootBox().Left(), top = RootBox().Top();
  Wheel(view, {0, -120});
  EXPECT_EQ(VScroll(0).Value(), h);
  EXPECT_DOUBLE_EQ(RootBox().Top(), top - h);
  Wheel(view, {0, 360});  // held at 0
  EXPECT_EQ(VScroll(0).Value(), 0);
  Wheel(view, {0, -120}, Qt::ShiftModifier);
  Wheel(&HScroll(0), {0, -240});
  EXPECT_EQ(HScroll(0).Value(), x0 + 3 * h);
  EXPECT_DOUBLE_EQ(RootBox().Left(), left - 3 * h);
  Wheel(&NodeCombo(2), {0, -120});  // a node passes the wheel on to the canvas: no pick
  EXPECT_EQ(NodeCombo(2).Text(), "512");

  // Dragging the background 20 px left and 10 px up pans the tree with the pointer.
  const QPoint from(40, 60);
  QTest::mousePress(view, Qt::LeftButton, {}, from);
  QTest::mouseMove(view, from + QPoint(-20, -10));
  QTest::mouseRelease(view, Qt::LeftButton, {}, from + QPoint(-20, -10));
  EXPECT_EQ(HScroll(0).Value(), x0 + 3 * h + 300);
  EXPECT_EQ(VScroll(0).Value(), 150);
  EXPECT_DOUBLE_EQ(RootBox().Left(), left - 3 * h - 300);
}

TEST_F(TreeUse, TabVisitsNodesInWalkOrderAndScrollsThemIntoView) {
  Type("360");
  Pick(3, "8");  // 360 = 45 x 8: nodes 6, 7, 12, 13 are loaded
  Pick(2, "4");  // 360 = 4 x 90: 24 and 25 are loaded last but walk between 12 and 13
  QStringList expected = {"txtPrimFact_0", "picCanvas_0"};
  for (QtScrollBar* bar : {&VScroll(0), &HScroll(0)}) {
    if (bar->Enabled()) expected << bar->objectName();
  }
  for (int node : {2, 4, 5, 3, 6, 12, 24, 25, 13, 7}) expected << QString("node %1").arg(node);
  expected << "picCanvas_1";
  for (QtScrollBar* bar : {&VScroll(1), &HScroll(1)}) {
    if (bar->Enabled()) expected << bar->objectName();
  }
  expected << "wbPreview"
           << "cmdStatus_0"
           << "cmdStatus_1"
           << "cmdStatus_2";
  EXPECT_EQ(TabStops(), expected);

  QtComboBox& far = NodeCombo(7);  // right of and below what the view shows
  HScroll(0).SetValue(0);
  ASSERT_FALSE(Canvas(0).View()->rect().intersects(far.geometry()));
  far.setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(Canvas(0).View()->rect().contains(far.geometry()));
}

TEST_F(TreeUse, TheChosenNodeKeepsTheFocusHoweverTheChoiceIsMade) {
  Type("360");
  const std::function<void(QtComboBox&)> ways[] = {
      [this](QtComboBox&) { Pick(2, "12"); },
      [](QtComboBox& combo) { QTest::keyClick(&combo, Qt::Key_Down); },
      [](QtComboBox& combo) {
        QTest::keyClick(&combo, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&combo, "10");
        QTest::keyClick(&combo, Qt::Key_Return);
      }};
  for (const auto& choose : ways) {
    QtComboBox& node = NodeCombo(2);
    node.setFocus();
    const double before = Model().nodeValue(2);
    choose(node);
    EXPECT_NE(Model().nodeValue(2), before) << "a choice was made";
    EXPECT_EQ(QApplication::focusWidget(), &NodeCombo(2));
  }
}

TEST_F(TreeUse, BoxesShowTheirFullValueAndOpenListsTheNodesValue) {
  Type("123456789012345");
  RootBox().setFocus();
  RootBox().end(false);
  Entry().setFocus();
  for (QLineEdit* box : {static_cast<QLineEdit*>(&Entry()), static_cast<QLineEdit*>(&RootBox())}) {
    EXPECT_EQ(box->toolTip(), "123,456,789,012,345");
  }
  EXPECT_EQ(RootBox().cursorPosition(), 0);
  EXPECT_EQ(NodeCombo(2).toolTip(), "41,152,263,004,115");
  EXPECT_EQ(NodeCombo(2).lineEdit()->cursorPosition(), 0);

  Type("12");
  QtComboBox& node = NodeCombo(2);  // 6, listing 2 3 4 6
  QSignalSpy picks(&node, &QComboBox::activated);
  node.showPopup();
  EXPECT_EQ(node.view()->currentIndex().row(), 3);
  QTest::keyClick(node.view(), Qt::Key_Up);
  EXPECT_EQ(node.view()->currentIndex().row(), 2);
  node.hidePopup();
  EXPECT_EQ(picks.count(), 0);
  EXPECT_EQ(node.Text(), "6");
  EXPECT_EQ(Model().nodeValue(2), 6);
}

}  // namespace

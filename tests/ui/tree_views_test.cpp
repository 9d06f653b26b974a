// Compact trees, the space between captions, and trees copied as pictures.

#include <QContextMenuEvent>
#include <QXmlStreamReader>
#include <cmath>
#include <map>

#include "support/main_window_fixture.h"

namespace {

// A shown node control of a canvas, twips in the canvas's view.
struct NodeBox {
  double id, left, top, width, height;
  double Middle() const { return left + width / 2; }
};

class TreeViewsTest : public MainWindowTest {
 protected:
  QAction& Compact() { return Find<QAction>("mnuViewCompact"); }

  // The shown node controls of canvas i; the root box stands for node 1 on canvas 0.
  std::vector<NodeBox> Shown(int canvas) {
    std::vector<NodeBox> boxes;
    auto add = [&](const toolkit::Control& c, double id) {
      boxes.push_back({id, c.Left(), c.Top(), c.Width(), c.Height()});
    };
    if (canvas == 1)
      for (QtLabel* l : Canvas(1).View()->findChildren<QtLabel*>())
        if (!l->isHidden()) add(*l, l->Tag().toDouble());
    if (canvas == 0) add(RootBox(), 1);
    for (QtComboBox* c : Canvas(canvas).View()->findChildren<QtComboBox*>())
      if (!c->isHidden() && c->Tag() != "1") add(*c, c->Tag().toDouble());
    return boxes;
  }

  // Opens canvas i's context menu, with a right click on its background or with Shift+F10 on the
  // focused canvas; the menu that shows.
  QMenu* OpenCanvasMenu(int canvas, bool keyboard = false) {
    QWidget* view = Canvas(canvas).View();
    const QPoint at(2, view->height() - 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->mapToGlobal(at));
    Canvas(canvas).setFocus();
    if (keyboard) QTest::keyClick(&Canvas(canvas), Qt::Key_F10, Qt::ShiftModifier);
    if (!keyboard) QApplication::sendEvent(view, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }
};

// Trees as wide as their canvas's view stay inside it; 4, 12, 36 and 360 fit both canvases.
TEST_F(TreeViewsTest, CompactTreesFitNeverTouchAndCentreParents) {
  SetInnerSize(1024 * 15, 768 * 15);
  Compact().trigger();
  int fitted = 0;
  for (const char* entry : {"4", "12", "36", "360", "1024", "32768", "222622144044300"}) {
    Type(entry);
    for (int canvas = 0; canvas < 2; ++canvas) {
      const std::string where = std::string(entry) + " on canvas " + std::to_string(canvas);
      const std::vector<NodeBox> boxes = Shown(canvas);
      ASSERT_EQ(boxes.size(), Model().walk.size()) << where;
      std::map<double, double> middles;
      for (const NodeBox& b : boxes) middles[b.id] = b.Middle();
      const QSize view = Canvas(canvas).View()->size() * 15;
      const bool fits = Model().contentWidth[canvas] <= view.width();
      const bool fitsDown = Model().contentHeight[canvas] <= view.height();
      fitted += fits;
      for (const NodeBox& a : boxes) {
        SCOPED_TRACE(where + " node " + std::to_string(a.id));
        if (middles.count(2 * a.id) != 0) {
          EXPECT_DOUBLE_EQ(a.Middle(), (middles[2 * a.id] + middles[2 * a.id + 1]) / 2);
        }
        EXPECT_TRUE(!fits || (a.left >= 0 && a.left + a.width <= view.width()));
        EXPECT_TRUE(!fitsDown || (a.top >= 0 && a.top + a.height <= view.height()));
        for (const NodeBox& b : boxes) {
          const bool apart = a.left + a.width < b.left || b.left + b.width < a.left ||
                             a.top + a.height < b.top || b.top + b.height < a.top;
          EXPECT_TRUE(&a == &b || apart) << "and node " << b.id;
        }
      }
    }
  }
  EXPECT_GE(fitted, 8);
}

// Ctrl+T on a node toggles the view; the entry box takes no Ctrl+T.
TEST_F(TreeViewsTest, TogglingKeepsValuesFocusAndWhatIsHeard) {
  Type("360");
  QtComboBox& node3 = NodeCombo(3);
  node3.setFocus();
  const QString heard = node3.accessibleDescription();
  const int left = node3.x();
  QTest::keyClick(&node3, Qt::Key_T, Qt::ControlModifier);
  EXPECT_TRUE(Compact().isChecked());
  EXPECT_NE(node3.x(), left);
  EXPECT_TRUE(node3.hasFocus());
  EXPECT_EQ(node3.accessibleDescription(), heard);
  EXPECT_EQ(NodeCombo(3).Text(), "2");
  QTest::keyClick(&Entry(), Qt::Key_T, Qt::ControlModifier);
  EXPECT_FALSE(Compact().isChecked());
  EXPECT_EQ(Entry().Text(), "360");
  EXPECT_EQ(node3.x(), left);
}

TEST_F(TreeViewsTest, ReadOnlyLeavesOfFourAreADigitApart) {
  for (const bool compact : {false, true}) {
    Compact().setChecked(compact);
    Type("4");
    QtLabel *left = &NodeLabel(2), *right = &NodeLabel(3);
    if (left->x() > right->x()) std::swap(left, right);
    const QFontMetrics metrics(left->font());
    const auto captionEdge = [&](QtLabel* l, int side) {
      const int text = metrics.horizontalAdvance(l->text());
      return l->x() + (l->width() - text) / 2 + side * text;
    };
    EXPECT_GE(captionEdge(right, 0) - captionEdge(left, 1), metrics.horizontalAdvance("0"))
        << (compact ? "compact" : "described");
  }
}

TEST_F(TreeViewsTest, CopyPictureCoversTheWholeTreeHoweverScrolled) {
  Type("360");
  QAction& copy = Find<QAction>("mnuCanvasCopyPicture");
  const auto copied = [&] {
    copy.trigger();
    return qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());
  };
  for (int canvas = 0; canvas < 2; ++canvas) {
    QMenu* menu = OpenCanvasMenu(canvas, canvas == 1);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), "mnuCanvas");
    EXPECT_TRUE(menu->actions().contains(&Compact()));
    EXPECT_TRUE(copy.isEnabled());
    menu->close();
    const QImage image = copied();
    const double scale = 2 * window->devicePixelRatioF();
    EXPECT_EQ(image.width(), std::ceil(std::ceil(Model().contentWidth[canvas] / 15) * scale));
    EXPECT_EQ(image.height(), std::ceil(std::ceil(Model().contentHeight[canvas] / 15) * scale));
    const QByteArray svg = QGuiApplication::clipboard()->mimeData()->data("image/svg+xml");
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) reader.readNext();
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_TRUE(svg.contains(">180</text>")) << "node 2's value";
    EXPECT_EQ(svg.contains(R"(fill="#ffff00")"), canvas == 0) << "prime boxes in yellow";
    VScroll(canvas).SetValue(VScroll(canvas).Max());
    EXPECT_EQ(copied(), image) << "scrolling changes nothing";
  }
  Type("7");
  QMenu* menu = OpenCanvasMenu(0);
  ASSERT_NE(menu, nullptr);
  EXPECT_FALSE(copy.isEnabled()) << "no tree, nothing to copy";
  menu->close();
}

}  // namespace

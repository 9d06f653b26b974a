// The compact view of both trees, deep trees, the space between captions, and the trees copied
// as pictures, in the real window.

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QXmlStreamReader>
#include <cmath>
#include <map>

#include "core/tree/factor_tree.h"
#include "support/main_window_fixture.h"
#include "ui/qt_canvas_view.h"

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
    if (canvas == 0) {
      add(RootBox(), 1);
      for (QtComboBox* c : Canvas(0).View()->findChildren<QtComboBox*>())
        if (!c->isHidden() && c->Tag() != "1") add(*c, c->Tag().toDouble());
    } else {
      for (QtLabel* l : Canvas(1).View()->findChildren<QtLabel*>())
        if (!l->isHidden()) add(*l, l->Tag().toDouble());
    }
    return boxes;
  }

  // Opens canvas i's context menu with a right click on its background; the menu that shows.
  QMenu* OpenCanvasMenu(int canvas) {
    QWidget* view = Canvas(canvas).View();
    const QPoint at(2, view->height() - 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->mapToGlobal(at));
    QApplication::sendEvent(view, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }
};

TEST_F(TreeViewsTest, CompactTreesFitNeverTouchAndCentreParents) {
  SetInnerSize(1024 * 15, 768 * 15);
  Compact().trigger();
  int fitted = 0;  // trees as wide as their canvas's view at most
  for (const char* entry : {"4", "12", "36", "360", "1024", "32768", "222622144044300"}) {
    Type(entry);
    for (int canvas = 0; canvas < 2; ++canvas) {
      const std::string where = std::string(entry) + " on canvas " + std::to_string(canvas);
      const std::vector<NodeBox> boxes = Shown(canvas);
      ASSERT_EQ(boxes.size(), Model().walk.size()) << where;
      std::map<double, double> middles;
      for (const NodeBox& b : boxes) middles[b.id] = b.Middle();
      const QWidget* view = Canvas(canvas).View();
      const double viewWidth = view->width() * 15.0, viewHeight = view->height() * 15.0;
      fitted += Model().contentWidth[canvas] <= viewWidth;
      for (const NodeBox& a : boxes) {
        if (middles.count(2 * a.id) != 0) {
          EXPECT_DOUBLE_EQ(a.Middle(), (middles[2 * a.id] + middles[2 * a.id + 1]) / 2)
              << where << " node " << a.id;
        }
        if (Model().contentWidth[canvas] <= viewWidth) {
          EXPECT_TRUE(a.left >= 0 && a.left + a.width <= viewWidth) << where << " node " << a.id;
        }
        if (Model().contentHeight[canvas] <= viewHeight) {
          EXPECT_TRUE(a.top >= 0 && a.top + a.height <= viewHeight) << where << " node " << a.id;
        }
        for (const NodeBox& b : boxes) {
          const bool apart = a.left + a.width < b.left || b.left + b.width < a.left ||
                             a.top + a.height < b.top || b.top + b.height < a.top;
          EXPECT_TRUE(&a == &b || apart) << where << " nodes " << a.id << " and " << b.id;
        }
      }
    }
  }
  EXPECT_GE(fitted, 8) << "4, 12, 36 and 360 fit both canvases";
}

TEST_F(TreeViewsTest, TogglingKeepsValuesFocusAndWhatIsHeard) {
  Type("360");
  QtComboBox& node3 = NodeCombo(3);
  node3.setFocus();
  const std::vector<tree::WalkedNode> walk = Model().walk;
  const QString heard = node3.accessibleDescription();
  const int left = node3.x();
  QTest::keyClick(&node3, Qt::Key_T, Qt::ControlModifier);
  EXPECT_TRUE(Compact().isChecked());
  EXPECT_NE(node3.x(), left);
  EXPECT_TRUE(node3.hasFocus());
  EXPECT_EQ(node3.accessibleDescription(), heard);
  ASSERT_EQ(Model().walk.size(), walk.size());
  for (std::size_t i = 0; i < walk.size(); ++i) EXPECT_EQ(Model().walk[i].id, walk[i].id);
  EXPECT_EQ(NodeCombo(3).Text(), "2");

  QTest::keyClick(&Entry(), Qt::Key_T, Qt::ControlModifier);  // the entry box takes no Ctrl+T
  EXPECT_FALSE(Compact().isChecked());
  EXPECT_EQ(Entry().Text(), "360");
  EXPECT_EQ(node3.x(), left);
}

TEST_F(TreeViewsTest, CompactTreesStartsUncheckedAndIsNamed) {
  EXPECT_TRUE(Compact().isCheckable());
  EXPECT_FALSE(Compact().isChecked());
  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&Find<QMenu>("mnuView"));
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->text(QAccessible::Name), "View");
  EXPECT_EQ(view->child(0)->text(QAccessible::Name), "Compact Trees");
}

TEST_F(TreeViewsTest, DeepTreesAreDrawnWholeAndPickedDeepInside) {
  const std::tuple<const char*, double, double, const char*> cases[] = {
      // entry, a node deep in its default tree, its odd sibling after the pick, the pick
      {"65536", 8192, 8193, "4"},
      {"562949953421312", 70368744177664, 70368744177665, "4"}};
  for (const auto& [entry, node, sibling, item] : cases) {
    Type(entry);
    EXPECT_EQ(Shown(0).size(), Model().walk.size()) << entry;
    EXPECT_EQ(Shown(1).size(), Model().walk.size()) << entry;
    Pick(sibling, item);
    EXPECT_EQ(Model().nodeValue(node), 4) << entry;
    EXPECT_EQ(Model().nodeValue(2 * sibling), 2) << entry;
    EXPECT_EQ(NodeCombo(2 * sibling + 1).Text(), "2") << entry;
    const int level = tree::NodeLevel(2 * sibling) + 1;
    EXPECT_TRUE(NodeCombo(2 * sibling)
                    .accessibleDescription()
                    .contains(QString("level %1 of the interactive factor tree").arg(level)))
        << entry;
  }
}

TEST_F(TreeViewsTest, ReadOnlyLeavesOfFourAreADigitApart) {
  for (const bool compact : {false, true}) {
    Compact().setChecked(compact);
    Type("4");
    std::vector<QtLabel*> leaves;
    for (QtLabel* l : Canvas(1).View()->findChildren<QtLabel*>())
      if (!l->isHidden() && l->Tag() != "1") leaves.push_back(l);
    ASSERT_EQ(leaves.size(), 2u);
    if (leaves[0]->x() > leaves[1]->x()) std::swap(leaves[0], leaves[1]);
    const QFontMetrics metrics(leaves[0]->font());
    auto captionEdge = [&](QtLabel* l, int side) {
      const int text = metrics.horizontalAdvance(l->text());
      return l->x() + (l->width() - text) / 2 + side * text;
    };
    EXPECT_GE(captionEdge(leaves[1], 0) - captionEdge(leaves[0], 1), metrics.horizontalAdvance("0"))
        << (compact ? "compact" : "described");
  }
}

TEST_F(TreeViewsTest, CopyPictureCoversTheWholeTreeHoweverScrolled) {
  Type("360");
  for (int canvas = 0; canvas < 2; ++canvas) {
    QMenu* menu = OpenCanvasMenu(canvas);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), "mnuCanvas");
    EXPECT_TRUE(menu->actions().contains(&Compact()));
    EXPECT_TRUE(Find<QAction>("mnuCanvasCopyPicture").isEnabled());
    menu->close();
    Find<QAction>("mnuCanvasCopyPicture").trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QImage image = qvariant_cast<QImage>(data->imageData());
    const double scale = 2 * window->devicePixelRatioF();
    EXPECT_EQ(image.width(), std::ceil(std::ceil(Model().contentWidth[canvas] / 15) * scale));
    EXPECT_EQ(image.height(), std::ceil(std::ceil(Model().contentHeight[canvas] / 15) * scale));
    const QByteArray svg = data->data("image/svg+xml");
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) reader.readNext();
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_TRUE(svg.contains(">180</text>")) << "node 2's value";

    VScroll(canvas).SetValue(VScroll(canvas).Max());
    Find<QAction>("mnuCanvasCopyPicture").trigger();
    EXPECT_EQ(qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData()), image)
        << "scrolling changes nothing of the picture";
  }
  Type("7");
  QMenu* menu = OpenCanvasMenu(0);
  ASSERT_NE(menu, nullptr);
  EXPECT_FALSE(Find<QAction>("mnuCanvasCopyPicture").isEnabled()) << "no tree, nothing to copy";
  menu->close();
}

}  // namespace

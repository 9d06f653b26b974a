// What the main window's tests cannot see of the Qt controls: exact twips, refused operations,
// event timing and the control arrays' loading and unloading.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QTest>
#include <cmath>
#include <vector>

#include "ui/qt_combo_box_array.h"
#include "ui/qt_command_button.h"
#include "ui/qt_label_array.h"
#include "ui/qt_picture_box.h"
#include "ui/qt_scroll_bar.h"

namespace {

using toolkit::Refused;

constexpr toolkit::Color kLightYellow = 0x00C0FFFF;

void RunDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(800, 600);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  QWidget window;
  QtPictureBox canvas{&window, "picCanvas", {0, 0, 7500, 3000}};
};

TEST_F(ToolkitTest, MoveKeepsExactTwipsPlacesAtNearestPixelsRefusesBadSizesAndRaisesResizeOnce) {
  const struct {
    TwipRect twips;
    QRect pixels;
  } cases[] = {
      {{333.333, 7.5, 1095, 22.4}, {22, 1, 73, 1}},
      {{-22.5, -7.4, 0, 15}, {-2, 0, 0, 1}},
      {{8220, 480, 1035, 315}, {548, 32, 69, 21}},
  };
  QtCommandButton button(&window, "cmdTest", {});
  for (const auto& c : cases) {
    button.Move(c.twips.left, c.twips.top, c.twips.width, c.twips.height);
    EXPECT_EQ(button.Left(), c.twips.left);
    EXPECT_EQ(button.Width(), c.twips.width);
    EXPECT_EQ(button.geometry(), c.pixels);
  }
  button.Move(150, 300);
  EXPECT_EQ(button.geometry(), QRect(10, 20, 69, 21)) << "the size is kept";
  // Children of a bordered picture box are placed inside its 2-pixel border.
  QtLabel inside(&canvas, "lblA", {0, 15, 150, 150});
  EXPECT_EQ(inside.pos(), QPoint(2, 3));
  EXPECT_EQ(canvas.ScaleHeight(), 2940);
  // Refused sizes change nothing; a resize of a hidden canvas is raised before Move returns.
  canvas.Move(15, 30, 1500, 900);
  canvas.SetVisible(false);
  std::vector<double> seen;  // ScaleWidth as the handler reads it
  canvas.onResize = [&] { seen.push_back(canvas.ScaleWidth()); };
  const QRect placed = canvas.geometry();
  EXPECT_THROW(canvas.Move(0, 0, -1, 900), Refused);
  EXPECT_THROW(canvas.Move(0, 0, NAN, 900), Refused);
  EXPECT_THROW(canvas.Move(INFINITY, 0), Refused);
  EXPECT_THROW(canvas.SetWidth(-15), Refused);
  EXPECT_EQ(canvas.Left(), 15);
  EXPECT_EQ(canvas.Width(), 1500);
  EXPECT_EQ(canvas.geometry(), placed);
  EXPECT_TRUE(seen.empty());
  canvas.Move(0, 0, 3000, 900);
  EXPECT_EQ(seen, std::vector<double>{2940});
  QCoreApplication::processEvents();
  canvas.Move(150, 150);
  canvas.Move(150, 150, 3000, 900);
  EXPECT_EQ(seen.size(), 1u);
  canvas.SetWidth(1500);
  canvas.SetVisible(true);
  QCoreApplication::processEvents();
  EXPECT_EQ(seen, (std::vector<double>{2940, 1440}));
}

TEST_F(ToolkitTest, ScrollBarRaisesChangeForEveryNewValueAndRefusesOutOfRange) {
  QtScrollBar bar(&window, "hsTest", {0, 0, 3000, 255}, Qt::Horizontal);
  std::vector<int> seen;
  bar.onChange = [&] { seen.push_back(bar.Value()); };
  EXPECT_EQ(std::tuple(bar.Max(), bar.SmallChange(), bar.LargeChange()), std::tuple(32767, 1, 1));
  bar.SetMax(100000);
  bar.SetValue(70000);
  bar.SetValue(70000);
  bar.SetMax(40000);  // pulls the value down
  EXPECT_THROW(bar.SetValue(40001), Refused);
  EXPECT_THROW(bar.SetValue(-1), Refused);
  EXPECT_THROW(bar.SetMax(-1), Refused);
  EXPECT_THROW(bar.SetLargeChange(-1), Refused);
  bar.SetSmallChange(3);
  bar.SetLargeChange(500);
  QTest::keyClick(&bar, Qt::Key_Up);
  QTest::keyClick(&bar, Qt::Key_PageUp);
  EXPECT_EQ(seen, (std::vector<int>{70000, 40000, 39997, 39497}));
}

TEST_F(ToolkitTest, LinesStayThroughRepaintsUntilClsAndAutoSizeFitsThePlainCaption) {
  canvas.SetBackColor(0x00FFFFFF);
  canvas.Line(0, 300, 1350, 300, 0x000000FF);  // red in the low byte; pixel row 20 in the border
  canvas.SetDrawWidth(3);
  canvas.Line(600, 0, 600, 1350, 0x00FF0000);
  EXPECT_THROW(canvas.SetDrawWidth(0), Refused);
  canvas.repaint();
  const QImage drawn = canvas.grab().toImage();
  EXPECT_EQ(drawn.pixelColor(2 + 10, 2 + 20), QColor(255, 0, 0));
  EXPECT_EQ(drawn.pixelColor(2 + 10, 2 + 21), QColor(255, 255, 255));
  for (int x : {39, 40, 41}) EXPECT_EQ(drawn.pixelColor(2 + x, 2 + 60), QColor(0, 0, 255));
  canvas.Cls();
  EXPECT_TRUE(canvas.Lines().empty());
  EXPECT_EQ(canvas.grab().toImage().pixelColor(2 + 10, 2 + 20), QColor(255, 255, 255));

  // Auto-size fits the plain caption, and loaded labels take it over.
  QtLabelArray labels("lblPrimFact", &window);
  QtLabel& label = labels.Add(1, &canvas, {120, 60, 60, 195});
  QFont font = label.font();
  font.setPointSizeF(14);
  label.setFont(font);
  const auto fitted = [&](const QString& caption) {
    return QFontMetrics(font).horizontalAdvance(caption) * toolkit::kTwipsPerPixel;
  };
  label.SetForeColor(0x00FF0000);
  label.SetBackColor(0x00FFFFFF);  // a fore colour set first stands
  EXPECT_EQ(label.ForeColor(), 0x00FF0000u);
  label.SetCaption("1,234,567");
  label.SetAutoSize(true);
  EXPECT_EQ(label.Width(), fitted("1,234,567"));
  EXPECT_EQ(label.Height(), QFontMetrics(font).height() * toolkit::kTwipsPerPixel);
  EXPECT_EQ(label.Left(), 120);
  label.SetCaption("<b>12</b>");  // plain text, never markup
  EXPECT_EQ(label.Width(), fitted("<b>12</b>"));
  labels.Load(2);
  auto& loaded = static_cast<QtLabel&>(labels.Item(2));
  loaded.SetCaption("1,001");
  EXPECT_EQ(loaded.Width(), fitted("1,001"));
  label.SetAutoSize(false);
  label.SetCaption("1");
  EXPECT_EQ(label.Width(), fitted("<b>12</b>"));
}

// A combo box array whose element 1 sits on the canvas with settings of its own.
class ComboBoxArrayTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    QtComboBox& first = combos.Add(1, &canvas, {2700, 600, 975, 315});
    first.SetBackColor(kLightYellow);
    first.SetTag("1");
    first.AddItems({"2", "3"});
    combos.onClick = [this](int index) { clicks.push_back(index); };
  }

  QtComboBox& Widget(int index) { return static_cast<QtComboBox&>(combos.Item(index)); }
  // Loads element 2 with a list, presses Down on it and runs the deferred deletes.
  QPointer<QtComboBox> PressDownOnANewElement() {
    combos.Load(2);
    const QPointer<QtComboBox> element = &Widget(2);
    element->AddItems({"5", "7"});
    QTest::keyClick(element.data(), Qt::Key_PageDown);  // Qt's own pick of the next item
    RunDeferredDeletes();
    return element;
  }

  QtComboBoxArray combos{"cmbPrimFact", &window};
  std::vector<int> clicks;
};

TEST_F(ComboBoxArrayTest, LoadCopiesTheLowestElementHiddenAndWithoutItemsAndListWritesAreNoClick) {
  combos.Load(5);
  combos.Load(2);
  EXPECT_EQ(combos.Indices(), (std::vector<int>{1, 2, 5}));
  EXPECT_THROW(combos.Load(2), Refused);
  QtComboBox& loaded = Widget(2);
  EXPECT_EQ(loaded.parentWidget(), &canvas);
  EXPECT_EQ(loaded.geometry(), Widget(1).geometry());
  EXPECT_EQ(loaded.BackColor(), kLightYellow);
  EXPECT_EQ(loaded.Tag(), "1");
  EXPECT_FALSE(loaded.Visible());
  EXPECT_EQ(loaded.ListCount(), 0);
  canvas.hide();
  loaded.SetVisible(true);
  EXPECT_TRUE(loaded.Visible()) << "its own flag, whatever its canvas";

  // Writing the list or the text is no click and keeps the text.
  QtComboBox& combo = Widget(1);
  combo.SetText("6");
  combo.Clear();
  combo.AddItems({"2", "3", "4", "6"});
  combo.AddItem("12");
  EXPECT_EQ(combo.Text(), "6");
  EXPECT_EQ(combo.ListCount(), 5);
  EXPECT_TRUE(clicks.empty());
  EXPECT_THROW(combo.List(5), Refused);

  // An unloaded element is gone at once and its index free.
  const QPointer<QtComboBox> unloaded = &Widget(2);
  combos.Unload(2);
  EXPECT_THROW(combos.Item(2), Refused);
  EXPECT_THROW(combos.Unload(2), Refused);
  EXPECT_EQ(window.findChild<QtComboBox*>("cmbPrimFact_2"), nullptr);
  combos.Load(2);
  EXPECT_EQ(window.findChild<QtComboBox*>("cmbPrimFact_2"), &Widget(2));
  RunDeferredDeletes();
  EXPECT_TRUE(unloaded.isNull());
  combos.Unload(1);  // the lowest element left is the one copied
  Widget(2).AddItem("9");
  combos.Load(4);
  EXPECT_EQ(Widget(4).ListCount(), 0);
}

TEST_F(ComboBoxArrayTest, ElementCanBeUnloadedFromInsideItsOwnEvents) {
  combos.onClick = [this](int index) {
    clicks.push_back(index);
    combos.Unload(index);
  };
  EXPECT_TRUE(PressDownOnANewElement().isNull());
  EXPECT_EQ(clicks, std::vector<int>{2});
  EXPECT_EQ(combos.Indices(), std::vector<int>{1});

  // A nested refresh replaces the element while its key is still being handled: the key's pick
  // reaches nobody.
  combos.onKeyDown = [this](int index, int, int) {
    combos.Unload(index);
    combos.Load(index);
  };
  EXPECT_TRUE(PressDownOnANewElement().isNull());
  EXPECT_EQ(clicks, std::vector<int>{2});
  EXPECT_FALSE(Widget(2).Visible());
}

}  // namespace

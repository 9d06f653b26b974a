// The Qt controls alone: exact twips at pixels, borders, event order, drawing, bars painted as
// the style paints them, and control arrays
// that reuse unloaded elements and let an element be unloaded inside its own events.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <cmath>
#include <tuple>

#include "ui/qt_combo_box_array.h"
#include "ui/qt_command_button.h"
#include "ui/qt_label_array.h"
#include "ui/qt_picture_box.h"
#include "ui/qt_scroll_bar.h"

namespace {

using toolkit::Refused;

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

TEST_F(ToolkitTest, MoveKeepsExactTwipsPlacingAtTheNearestPixels) {
  const struct {
    const char* name;
    TwipRect twips;
    QRect pixels;
  } cases[] = {{"fractions round to the nearest pixel", {333.333, 7.5, 1095, 22.4}, {22, 1, 73, 1}},
               {"negative positions and an empty width", {-22.5, -7.4, 0, 15}, {-2, 0, 0, 1}},
               {"whole pixels", {8220, 480, 1035, 315}, {548, 32, 69, 21}}};
  QtCommandButton button(&window, "cmdTest", {});
  for (const auto& c : cases) {
    button.Move(c.twips.left, c.twips.top, c.twips.width, c.twips.height);
    EXPECT_EQ(std::tuple(button.Left(), button.Width(), button.geometry()),
              std::tuple(c.twips.left, c.twips.width, c.pixels))
        << c.name;
  }
  button.Move(150, 300);
  EXPECT_EQ(button.geometry(), QRect(10, 20, 69, 21)) << "the size is kept";
}

TEST_F(ToolkitTest, ChildrenOfABorderedPictureBoxSitInsideItsBorder) {
  QtLabel inside(&canvas, "lblA", {0, 15, 150, 150});
  EXPECT_EQ(inside.pos(), QPoint(2, 3));
}

TEST_F(ToolkitTest, RefusedMovesChangeNothing) {
  canvas.Move(15, 30, 1500, 900);
  bool resized = false;
  canvas.onResize = [&] { resized = true; };
  const QRect placed = canvas.geometry();
  EXPECT_THROW(canvas.Move(0, 0, -1, 900), Refused);
  EXPECT_THROW(canvas.Move(0, 0, NAN, 900), Refused);
  EXPECT_THROW(canvas.Move(INFINITY, 0), Refused);
  EXPECT_EQ(std::tuple(canvas.Left(), canvas.Width(), canvas.geometry(), resized),
            std::tuple(15, 1500, placed, false));
}

// The handler reads the new inner size, 2 pixels (30 twips) of border less on each side.
TEST_F(ToolkitTest, AResizeIsRaisedOnceBeforeMoveReturnsEvenWhileHidden) {
  canvas.Move(15, 30, 1500, 900);
  canvas.SetVisible(false);
  std::vector<std::pair<double, double>> seen;
  canvas.onResize = [&] { seen.push_back({canvas.ScaleWidth(), canvas.ScaleHeight()}); };
  canvas.Move(0, 0, 3000, 900);
  EXPECT_EQ(seen.size(), 1u);
  canvas.Move(150, 150);
  canvas.Move(150, 150, 3000, 900);
  canvas.SetWidth(1500);
  canvas.SetVisible(true);
  QCoreApplication::processEvents();
  EXPECT_EQ(seen, (std::vector<std::pair<double, double>>{{2940, 840}, {1440, 840}}))
      << "none for a move alone or for showing";
}

TEST_F(ToolkitTest, LinesStayThroughRepaintsUntilCls) {
  canvas.SetBackColor(0x00FFFFFF);
  canvas.Line(0, 300, 1350, 300, 0x000000FF);  // red in the low byte; pixel row 20 in the border
  canvas.SetDrawWidth(3);
  canvas.Line(600, 0, 600, 1350, 0x00FF0000);
  EXPECT_THROW(canvas.SetDrawWidth(0), Refused);
  canvas.repaint();
  const auto pixel = [&](int x, int y) { return canvas.grab().toImage().pixelColor(2 + x, 2 + y); };
  EXPECT_EQ(pixel(10, 20), QColor(255, 0, 0));
  EXPECT_EQ(pixel(10, 21), QColor(255, 255, 255));
  for (int x : {39, 40, 41}) EXPECT_EQ(pixel(x, 60), QColor(0, 0, 255));
  canvas.Cls();
  EXPECT_TRUE(canvas.Lines().empty());
  EXPECT_EQ(pixel(10, 20), QColor(255, 255, 255));
}

// A 14-point label of an array sized to its plain caption, never markup; loaded labels take the
// setting over; off, the size stays put.
TEST_F(ToolkitTest, AutoSizeFitsThePlainCaptionInPlace) {
  QtLabelArray labels{"lblPrimFact", &window};
  QtLabel& label = labels.Add(1, &canvas, {120, 60, 60, 195});
  QFont font = label.font();
  font.setPointSizeF(14);
  label.setFont(font);
  const auto fitted = [&](const char* caption) {
    return QFontMetrics(font).horizontalAdvance(caption) * toolkit::kTwipsPerPixel;
  };
  label.SetCaption("<b>12</b>");
  label.SetAutoSize(true);
  EXPECT_EQ(
      std::tuple(label.Left(), label.Width(), label.Height()),
      std::tuple(120, fitted("<b>12</b>"), QFontMetrics(font).height() * toolkit::kTwipsPerPixel));
  labels.Load(2);
  static_cast<QtLabel&>(labels.Item(2)).SetCaption("1,001");
  EXPECT_EQ(labels.Item(2).Width(), fitted("1,001"));
  label.SetAutoSize(false);
  label.SetCaption("1");
  EXPECT_EQ(label.Width(), fitted("<b>12</b>"));
}

TEST_F(ToolkitTest, AForeColourSetFirstStandsAgainstALaterBackColour) {
  QtLabel label(&canvas, "lblA", {0, 0, 150, 150});
  label.SetForeColor(0x00FF0000);
  label.SetBackColor(0x00FFFFFF);
  EXPECT_EQ(label.ForeColor(), 0x00FF0000u);
}

// A combo box array whose element 1 sits on the canvas with a list of its own.
// Bars copy their grooves and draw their thumbs in bands: the pixels stay those the
// application's style paints. Neither bar is under the pointer, which would highlight it.
TEST_F(ToolkitTest, ABarPaintsTheStylesPixelsAtEverySizeAndValue) {
  for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
    QtScrollBar bar(&window, "bar", {1500, 1500, 255, 255}, orientation);
    QtScrollBar plain(&window, "plain", {3000, 3000, 255, 255}, orientation);
    plain.setStyle(QApplication::style());
    const QSize size = orientation == Qt::Horizontal ? QSize(600, 17) : QSize(17, 300);
    for (const auto& [length, max, page] : {std::tuple(1, 32767, 1), std::tuple(2, 40, 100)}) {
      for (QtScrollBar* each : {&bar, &plain}) {
        each->resize(size * length);
        each->SetMax(max);
        each->SetLargeChange(page);
      }
      for (const int value : {0, max / 2, max}) {
        bar.SetValue(value);
        plain.SetValue(value);
        SCOPED_TRACE(testing::Message() << orientation << " " << bar.width() << "x" << bar.height()
                                        << ", " << value << " of " << max);
        EXPECT_EQ(bar.grab().toImage(), plain.grab().toImage());
      }
    }
  }
}

// With nothing to scroll a bar shows no thumb, so where its thumb would sit changes nothing.
TEST_F(ToolkitTest, ADisabledBarShowsNoThumb) {
  for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
    QtScrollBar bar(&window, "bar", {1500, 1500, 3000, 3000}, orientation);
    bar.SetEnabled(false);
    bar.SetMax(0);
    const QImage empty = bar.grab().toImage();
    bar.SetMax(100);
    bar.SetValue(50);
    EXPECT_EQ(bar.grab().toImage(), empty) << orientation;
  }
}

class ComboBoxArrayTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    combos.Add(1, &canvas, {2700, 600, 975, 315}).AddItems({"2", "3"});
    combos.onClick = [this](int index) { clicks.push_back(index); };
  }
  QtComboBox& Widget(int index) { return static_cast<QtComboBox&>(combos.Item(index)); }
  // Loads element 2 with a list, presses a key Qt picks the next item on, runs deferred deletes.
  QPointer<QtComboBox> PressDownOnANewElement() {
    combos.Load(2);
    const QPointer<QtComboBox> element = &Widget(2);
    element->AddItems({"5", "7"});
    QTest::keyClick(element.data(), Qt::Key_PageDown);  // Qt's own pick of the next item
    QCoreApplication::processEvents();
    return element;
  }

  QtComboBoxArray combos{"cmbPrimFact", &window};
  std::vector<int> clicks;
};

TEST_F(ComboBoxArrayTest, ALoadedElementSitsInTheLowestOnesContainerAtItsPixels) {
  combos.Load(2);
  QtComboBox& loaded = Widget(2);
  EXPECT_EQ(std::pair(loaded.parentWidget(), loaded.geometry()),
            std::pair(static_cast<QWidget*>(&canvas), Widget(1).geometry()));
  canvas.hide();
  loaded.SetVisible(true);
  EXPECT_TRUE(loaded.Visible()) << "its own flag, whatever its canvas";
}

TEST_F(ComboBoxArrayTest, AnUnloadedElementLosesItsNameAtOnce) {
  combos.Load(2);
  combos.Unload(2);
  EXPECT_EQ(window.findChild<QtComboBox*>("cmbPrimFact_2"), nullptr);
  combos.Load(2);
  EXPECT_EQ(window.findChild<QtComboBox*>("cmbPrimFact_2"), &Widget(2));
}

// Once control is back in the event loop, where its own events have ended, an unloaded element
// is loaded again in place of a new copy, as a new copy would be.
TEST_F(ComboBoxArrayTest, AnUnloadedElementIsLoadedAgainAsANewCopy) {
  combos.Load(2);
  QtComboBox& used = Widget(2);
  used.AddItems({"5", "7"});
  used.SetText("7");
  used.SetBackColor(0x0000FFFF);
  used.setToolTip("7");
  used.setAccessibleName("7, prime");
  used.SetTag("5");
  used.SetVisible(true);
  combos.Unload(2);
  combos.Load(2);
  EXPECT_NE(&Widget(2), &used) << "not while its own events may still be running";
  QCoreApplication::processEvents();
  combos.Load(3);
  ASSERT_EQ(&Widget(3), &used);
  const auto settings = [](const QtComboBox& c) {
    return std::tuple(c.ListCount(), c.Text(), c.BackColor(), c.Tag(), c.toolTip(),
                      c.accessibleName(), c.Visible());
  };
  EXPECT_EQ(settings(used), settings(Widget(2)));
  EXPECT_EQ(used.objectName(), "cmbPrimFact_3");
}

TEST_F(ComboBoxArrayTest, AnElementCanBeUnloadedFromInsideItsOwnClick) {
  combos.onClick = [this](int index) {
    clicks.push_back(index);
    combos.Unload(index);
  };
  PressDownOnANewElement();
  EXPECT_EQ(clicks, std::vector<int>{2});
  EXPECT_EQ(combos.Indices(), std::vector<int>{1});
}

// A nested refresh replaces the element while its key is still being handled.
TEST_F(ComboBoxArrayTest, AnElementReplacedDuringItsKeyPassesNoPickOn) {
  combos.onKeyDown = [this](int index, int, int) {
    combos.Unload(index);
    combos.Load(index);
  };
  const QPointer<QtComboBox> pressed = PressDownOnANewElement();
  EXPECT_NE(pressed, &Widget(2));
  EXPECT_TRUE(clicks.empty());
  EXPECT_FALSE(Widget(2).Visible());
}

}  // namespace

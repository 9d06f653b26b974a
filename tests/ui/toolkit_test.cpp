// The Qt controls behind the toolkit interface, driven through their operations and through
// real key and mouse input on the offscreen platform.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QPointer>
#include <QTest>
#include <cmath>
#include <vector>

#include "ui/qt_controls.h"

namespace {

using toolkit::Refused;

constexpr toolkit::Color kRed = 0x000000FF;
constexpr toolkit::Color kLightYellow = 0x00C0FFFF;

// A shown, active top-level window that holds the controls under test.
class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(800, 600);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  // Deletes what Unload left for the event loop to delete.
  static void RunDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QWidget window;
};

TEST_F(ToolkitTest, GeometryKeepsExactTwipsAndPlacesAtNearestPixels) {
  struct Case {
    TwipRect twips;
    QRect pixels;
  };
  const Case cases[] = {
      {{333.333, 7.5, 1095, 22.4}, {22, 1, 73, 1}},
      {{-22.5, -7.4, 0, 15}, {-2, 0, 0, 1}},
      {{8220, 480, 1035, 315}, {548, 32, 69, 21}},
  };
  QtCommandButton button(&window, "cmdTest", {});
  for (const Case& c : cases) {
    button.Move(c.twips.left, c.twips.top, c.twips.width, c.twips.height);
    EXPECT_EQ(button.Left(), c.twips.left);
    EXPECT_EQ(button.Top(), c.twips.top);
    EXPECT_EQ(button.Width(), c.twips.width);
    EXPECT_EQ(button.Height(), c.twips.height);
    EXPECT_EQ(button.geometry(), c.pixels);
  }

  button.Move(150, 300);
  EXPECT_EQ(button.geometry(), QRect(10, 20, 69, 21));
  button.SetWidth(333.333);
  EXPECT_EQ(button.Width(), 333.333);
  EXPECT_EQ(button.geometry(), QRect(10, 20, 22, 21));
}

TEST_F(ToolkitTest, MoveRefusesNegativeOrUndefinedSizesAndChangesNothing) {
  QtPictureBox canvas(&window, "picCanvas", {15, 30, 1500, 900});
  int resizes = 0;
  canvas.onResize = [&] { ++resizes; };
  const QRect placed = canvas.geometry();
  EXPECT_THROW(canvas.Move(0, 0, -1, 900), Refused);
  EXPECT_THROW(canvas.Move(0, 0, 1500, -0.5), Refused);
  EXPECT_THROW(canvas.Move(0, 0, NAN, 900), Refused);
  EXPECT_THROW(canvas.Move(INFINITY, 0), Refused);
  EXPECT_THROW(canvas.SetWidth(-15), Refused);
  EXPECT_EQ(canvas.Left(), 15);
  EXPECT_EQ(canvas.Width(), 1500);
  EXPECT_EQ(canvas.Height(), 900);
  EXPECT_EQ(canvas.geometry(), placed);
  EXPECT_EQ(resizes, 0);
}

TEST_F(ToolkitTest, ChildrenSitInsideTheBorderOfTheirPictureBox) {
  QtPictureBox bordered(&window, "picCanvas", {0, 0, 1500, 900});
  QtPictureBox plain(&window, "picTray", {0, 0, 1500, 900}, /*bordered=*/false);
  QtLabel inBordered(&bordered, "lblA", {0, 15, 150, 150});
  QtLabel inPlain(&plain, "lblB", {0, 15, 150, 150});
  EXPECT_EQ(inBordered.pos(), QPoint(2, 3));
  EXPECT_EQ(inPlain.pos(), QPoint(0, 1));
  EXPECT_EQ(bordered.ScaleWidth(), 1440);
  EXPECT_EQ(bordered.ScaleHeight(), 840);
  EXPECT_EQ(plain.ScaleWidth(), 1500);
  EXPECT_EQ(plain.ScaleHeight(), 900);
}

TEST_F(ToolkitTest, VisibleAndEnabledAreTheControlsOwnFlags) {
  QtPictureBox canvas(&window, "picCanvas", {0, 0, 1500, 900});
  QtScrollBar bar(&canvas, "vsTest", {0, 0, 255, 900}, Qt::Vertical);
  canvas.SetVisible(false);
  canvas.setEnabled(false);
  EXPECT_TRUE(bar.Visible());
  EXPECT_TRUE(bar.Enabled());
  bar.SetVisible(false);
  bar.SetEnabled(false);
  canvas.SetVisible(true);
  canvas.setEnabled(true);
  EXPECT_FALSE(bar.isVisible());
  EXPECT_FALSE(bar.isEnabled());
  EXPECT_EQ(bar.Max(), 32767);
}

TEST_F(ToolkitTest, ColoursAreBlueGreenRedWithRedInTheLowByte) {
  QtLabel label(&window, "lblTest", {});
  label.SetForeColor(kRed);
  EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(label.ForeColor(), kRed);

  QtComboBox combo(&window, "cmbTest", {});
  combo.SetBackColor(kLightYellow);
  EXPECT_EQ(combo.palette().color(QPalette::Base), QColor(255, 255, 192));
  EXPECT_EQ(combo.BackColor(), kLightYellow);
}

TEST_F(ToolkitTest, WritingTextRaisesChangeOnlyWhenItDiffers) {
  QtTextBox box(&window, "txtTest", {});
  std::vector<QString> seen;  // the text as the handler reads it
  box.onChange = [&] { seen.push_back(box.Text()); };
  box.SetText("12");
  box.SetText("12");
  box.SetText("");
  box.SetText("");
  EXPECT_EQ(seen, (std::vector<QString>{"12", ""}));
}

TEST_F(ToolkitTest, KeyPressHookFiltersTypedCharactersButNotEditingKeys) {
  QtTextBox box(&window, "txtTest", {0, 0, 1500, 315});
  box.setFocus();
  std::vector<int> offered;
  int changes = 0;
  box.onChange = [&] { ++changes; };
  box.onKeyPress = [&](int& keyAscii) {
    offered.push_back(keyAscii);
    const bool digitOrBackspace = (keyAscii >= '0' && keyAscii <= '9') || keyAscii == 8;
    if (!digitOrBackspace) keyAscii = 0;
  };

  QTest::keyClicks(&box, "a1b2 3");
  EXPECT_EQ(box.Text(), "123");
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(offered, (std::vector<int>{'a', '1', 'b', '2', ' ', '3'}));

  QTest::keyClick(&box, Qt::Key_Backspace);
  EXPECT_EQ(offered.back(), 8);
  EXPECT_EQ(box.Text(), "12");

  // Shortcuts and cursor keys are never offered and keep working.
  offered.clear();
  QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "12");
  QTest::keyClick(&box, Qt::Key_Home);
  QTest::keyClick(&box, Qt::Key_Delete);
  EXPECT_EQ(box.Text(), "2");
  QTest::keyClick(&box, Qt::Key_Right);
  QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box.Text(), "212");
  EXPECT_TRUE(offered.empty());
}

TEST_F(ToolkitTest, KeyPressHookCanTypeAnotherCharacter) {
  QtTextBox box(&window, "txtTest", {});
  box.onKeyPress = [](int& keyAscii) {
    if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii += 'A' - 'a';
    if (keyAscii == '#') keyAscii = 8;
  };
  QTest::keyClicks(&box, "ab#c");
  EXPECT_EQ(box.Text(), "AC");
}

TEST_F(ToolkitTest, MaximumLengthRefusesTypingAndCutsPastedText) {
  QtTextBox box(&window, "txtTest", {});
  box.setMaxLength(15);
  box.setFocus();
  QTest::keyClicks(&box, "1234567890123456");
  EXPECT_EQ(box.Text(), "123456789012345");

  box.SetText("");
  QApplication::clipboard()->setText("98765432109876543210");
  QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box.Text(), "987654321098765");
}

// A combo box holding the list 2, 3, 4, with counters on its events.
class ComboBoxTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    combo.AddItems({"2", "3", "4"});
    combo.onClick = [this] { clicks.push_back(combo.Text()); };
    combo.onKeyDown = [this](int keyCode, int shift) { keys.push_back({keyCode, shift}); };
    combo.setFocus();
  }

  QtComboBox combo{&window, "cmbTest", {0, 0, 1500, 315}};
  QtTextBox other{&window, "txtOther", {0, 600, 1500, 315}};
  std::vector<QString> clicks;  // the edit text as each click finds it
  std::vector<std::pair<int, int>> keys;
};

TEST_F(ComboBoxTest, WritingTheListOrTheTextRaisesNoClickAndKeepsTheText) {
  QtComboBox fresh(&window, "cmbFresh", {});
  int freshClicks = 0;
  fresh.onClick = [&] { ++freshClicks; };
  fresh.SetText("7");
  fresh.AddItem("2");
  fresh.AddItems({"3", "4"});
  EXPECT_EQ(fresh.Text(), "7");
  EXPECT_EQ(fresh.ListCount(), 3);
  EXPECT_EQ(fresh.List(2), "4");
  EXPECT_THROW(fresh.List(3), Refused);
  EXPECT_THROW(fresh.List(-1), Refused);
  fresh.Clear();
  EXPECT_EQ(fresh.ListCount(), 0);
  EXPECT_EQ(fresh.Text(), "7");
  EXPECT_EQ(freshClicks, 0);
}

TEST_F(ComboBoxTest, ArrowKeyPicksTheNextEntryAsAClick) {
  QTest::keyClick(&combo, Qt::Key_Down);
  QTest::keyClick(&combo, Qt::Key_Down);
  EXPECT_EQ(clicks, (std::vector<QString>{"2", "3"}));
  EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{{40, 0}, {40, 0}}));
}

TEST_F(ComboBoxTest, PickFromTheOpenListIsAClick) {
  combo.showPopup();
  QWidget* popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr);
  QTest::keyClick(combo.view(), Qt::Key_Down);
  QTest::keyClick(combo.view(), Qt::Key_Return);
  EXPECT_EQ(clicks.size(), 1u);
  EXPECT_TRUE(keys.empty());
}

TEST_F(ComboBoxTest, EnterGoesToKeyDownAloneAndLeavesTheTextAsTyped) {
  combo.SetText("");
  QTest::keyClicks(&combo, "3");
  QTest::keyClick(&combo, Qt::Key_Return);
  QTest::keyClick(&combo, Qt::Key_Enter, Qt::ShiftModifier);
  // The Shift key itself goes down first.
  EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{{51, 0}, {13, 0}, {16, 1}, {13, 1}}));
  other.setFocus();  // leaving the field picks nothing either
  EXPECT_FALSE(combo.hasFocus());
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(combo.Text(), "3");
  EXPECT_EQ(combo.ListCount(), 3);
  EXPECT_EQ(combo.currentIndex(), -1);
}

TEST_F(ComboBoxTest, KeyDownReportsShiftCtrlAndAltBits) {
  QTest::keyClick(&combo, Qt::Key_A, Qt::ShiftModifier | Qt::AltModifier);
  QTest::keyClick(&combo, Qt::Key_F5, Qt::ControlModifier);
  EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{{16, 1}, {18, 5}, {65, 5}, {17, 2}, {116, 2}}));
}

TEST_F(ToolkitTest, ScrollBarRaisesChangeForEveryNewValue) {
  QtScrollBar bar(&window, "hsTest", {0, 0, 3000, 255}, Qt::Horizontal);
  std::vector<int> seen;
  bar.onChange = [&] { seen.push_back(bar.Value()); };

  bar.SetMax(100000);
  bar.SetValue(70000);
  bar.SetValue(70000);
  bar.SetMax(40000);  // pulls the value down
  EXPECT_EQ(seen, (std::vector<int>{70000, 40000}));
  EXPECT_EQ(bar.Value(), 40000);

  EXPECT_THROW(bar.SetValue(40001), Refused);
  EXPECT_THROW(bar.SetValue(-1), Refused);
  EXPECT_THROW(bar.SetMax(-1), Refused);
  EXPECT_THROW(bar.SetLargeChange(-1), Refused);
  EXPECT_EQ(bar.Max(), 40000);

  bar.SetSmallChange(3);
  bar.SetLargeChange(500);
  QTest::keyClick(&bar, Qt::Key_Up);
  QTest::keyClick(&bar, Qt::Key_PageUp);
  EXPECT_EQ(seen, (std::vector<int>{70000, 40000, 39997, 39497}));
}

TEST_F(ToolkitTest, MoveThatResizesAHiddenCanvasRaisesResizeOnceBeforeReturning) {
  QtPictureBox canvas(&window, "picCanvas", {0, 0, 1500, 900});
  canvas.SetVisible(false);
  std::vector<double> seen;  // ScaleWidth as the handler reads it
  canvas.onResize = [&] { seen.push_back(canvas.ScaleWidth()); };

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

TEST_F(ToolkitTest, LinesStayThroughRepaintsUntilCls) {
  QtPictureBox canvas(&window, "picCanvas", {0, 0, 1500, 1500});
  canvas.SetBackColor(0x00FFFFFF);
  EXPECT_EQ(canvas.DrawWidth(), 1);
  canvas.Line(0, 300, 1350, 300, kRed);  // pixel row 20 inside the border
  canvas.SetDrawWidth(3);
  canvas.Line(600, 0, 600, 1350, 0x00FF0000);
  EXPECT_THROW(canvas.SetDrawWidth(0), Refused);
  ASSERT_EQ(canvas.Lines().size(), 2u);
  EXPECT_EQ(canvas.Lines()[0].width, 1);
  EXPECT_EQ(canvas.Lines()[1].width, 3);

  canvas.repaint();
  const QImage drawn = canvas.grab().toImage();
  EXPECT_EQ(drawn.pixelColor(2 + 10, 2 + 20), QColor(255, 0, 0));
  EXPECT_EQ(drawn.pixelColor(2 + 10, 2 + 21), QColor(255, 255, 255));
  for (int x : {39, 40, 41}) EXPECT_EQ(drawn.pixelColor(2 + x, 2 + 60), QColor(0, 0, 255));

  canvas.Cls();
  EXPECT_TRUE(canvas.Lines().empty());
  const QImage cleared = canvas.grab().toImage();
  EXPECT_EQ(cleared.pixelColor(2 + 10, 2 + 20), QColor(255, 255, 255));
}

TEST_F(ToolkitTest, AutoSizeFitsTheCaptionWhileOnAndKeepsTheSizeWhenOff) {
  QtLabel label(&window, "lblTest", {120, 60, 60, 195});
  QFont font = label.font();
  font.setPointSizeF(9.75);
  label.setFont(font);
  const QFontMetrics metrics(font);
  const auto fitted = [&](const QString& caption) {
    return metrics.horizontalAdvance(caption) * toolkit::kTwipsPerPixel;
  };

  label.SetCaption("1,234,567");
  EXPECT_EQ(label.Width(), 60);
  label.SetAutoSize(true);
  EXPECT_EQ(label.Width(), fitted("1,234,567"));
  EXPECT_EQ(label.Height(), metrics.height() * toolkit::kTwipsPerPixel);
  EXPECT_EQ(label.Left(), 120);
  label.SetCaption("<b>12</b>");  // plain text, never markup
  EXPECT_EQ(label.Width(), fitted("<b>12</b>"));
  font.setPointSizeF(20);
  label.setFont(font);
  EXPECT_EQ(label.Width(), QFontMetrics(font).horizontalAdvance("<b>12</b>") * 15);
  font.setPointSizeF(9.75);
  label.setFont(font);

  label.SetAutoSize(false);
  label.SetCaption("1");
  EXPECT_EQ(label.Width(), fitted("<b>12</b>"));
}

// A combo box array whose element 1 sits on a canvas with settings of its own.
class ComboBoxArrayTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    QtComboBox& first = combos.Add(1, &canvas, {2700, 600, 975, 315});
    QFont bold = first.font();
    bold.setBold(true);
    first.setFont(bold);
    first.SetBackColor(kLightYellow);
    first.SetTag("1");
    first.AddItems({"2", "3"});
    combos.onClick = [this](int index) { clicks.push_back(index); };
    combos.onKeyDown = [this](int index, int keyCode, int) { keys.push_back({index, keyCode}); };
  }

  QtComboBox& Widget(int index) { return static_cast<QtComboBox&>(combos.Item(index)); }

  QtPictureBox canvas{&window, "picCanvas", {0, 0, 7500, 3000}};
  QtComboBoxArray combos{"cmbPrimFact", &window};
  std::vector<int> clicks;
  std::vector<std::pair<int, int>> keys;
};

TEST_F(ComboBoxArrayTest, LoadCopiesTheLowestElementHiddenAndWithoutItems) {
  combos.Load(5);
  combos.Load(2);
  EXPECT_EQ(combos.Count(), 3);
  EXPECT_EQ(combos.Indices(), (std::vector<int>{1, 2, 5}));
  EXPECT_THROW(combos.Load(2), Refused);

  QtComboBox& loaded = Widget(2);
  EXPECT_EQ(loaded.objectName(), "cmbPrimFact_2");
  EXPECT_EQ(loaded.parentWidget(), &canvas);
  EXPECT_EQ(loaded.geometry(), Widget(1).geometry());
  EXPECT_EQ(loaded.Left(), 2700);
  EXPECT_EQ(loaded.Width(), 975);
  EXPECT_TRUE(loaded.font().bold());
  EXPECT_EQ(loaded.BackColor(), kLightYellow);
  EXPECT_EQ(loaded.Tag(), "1");
  EXPECT_FALSE(loaded.Visible());
  EXPECT_EQ(loaded.ListCount(), 0);
  EXPECT_TRUE(loaded.isEditable());
  EXPECT_EQ(loaded.insertPolicy(), QComboBox::NoInsert);
  EXPECT_EQ(loaded.completer(), nullptr);

  canvas.show();
  loaded.SetVisible(true);
  QCoreApplication::processEvents();
  EXPECT_TRUE(loaded.isVisible());
}

TEST_F(ComboBoxArrayTest, UnloadedElementIsGoneFromTheArrayAtOnce) {
  combos.Load(2);
  combos.Load(3);
  const QPointer<QtComboBox> unloaded = &Widget(2);
  combos.Unload(2);
  EXPECT_THROW(combos.Element(2), Refused);
  EXPECT_THROW(combos.Item(2), Refused);
  EXPECT_THROW(combos.Unload(2), Refused);
  EXPECT_EQ(combos.Indices(), (std::vector<int>{1, 3}));
  EXPECT_EQ(window.findChild<QtComboBox*>("cmbPrimFact_2"), nullptr);

  combos.Load(2);  // the index is free again
  EXPECT_EQ(window.findChild<QtComboBox*>("cmbPrimFact_2"), &Widget(2));
  RunDeferredDeletes();
  EXPECT_TRUE(unloaded.isNull());

  combos.Unload(1);  // the lowest element left is the one copied
  Widget(2).AddItem("9");
  combos.Load(4);
  EXPECT_EQ(Widget(4).geometry(), Widget(2).geometry());
  EXPECT_EQ(Widget(4).ListCount(), 0);
}

TEST_F(ComboBoxArrayTest, ElementEventsReachTheArrayWithTheirIndex) {
  combos.Load(3);
  Widget(3).AddItems({"5", "7"});
  QTest::keyClick(&Widget(3), Qt::Key_Down);
  QTest::keyClick(&Widget(1), Qt::Key_Down);
  EXPECT_EQ(clicks, (std::vector<int>{3, 1}));
  EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{{3, 40}, {1, 40}}));
}

TEST_F(ComboBoxArrayTest, ElementCanBeUnloadedFromInsideItsOwnEvents) {
  combos.Load(2);
  Widget(2).AddItems({"5", "7"});
  combos.onClick = [this](int index) {
    clicks.push_back(index);
    combos.Unload(index);
  };
  const QPointer<QtComboBox> first = &Widget(2);
  QTest::keyClick(first.data(), Qt::Key_Down);
  EXPECT_EQ(clicks, std::vector<int>{2});
  EXPECT_EQ(combos.Indices(), std::vector<int>{1});
  RunDeferredDeletes();
  EXPECT_TRUE(first.isNull());

  // A nested refresh unloads the element and loads a new one at its index while the key that
  // started it is still being handled: the key's pick reaches nobody.
  combos.Load(2);
  Widget(2).AddItems({"5", "7"});
  combos.onKeyDown = [this](int index, int, int) {
    combos.Unload(index);
    combos.Load(index);
  };
  const QPointer<QtComboBox> second = &Widget(2);
  QTest::keyClick(second.data(), Qt::Key_Down);
  EXPECT_EQ(clicks, std::vector<int>{2});
  RunDeferredDeletes();
  EXPECT_TRUE(second.isNull());
  EXPECT_FALSE(Widget(2).Visible());
}

TEST_F(ToolkitTest, LoadedLabelTakesOverAlignmentAutoSizeAndFont) {
  QtPictureBox canvas(&window, "picCanvas", {0, 0, 7500, 3000});
  QtLabelArray labels("lblPrimFact", &window);
  QtLabel& first = labels.Add(1, &canvas, {120, 60, 60, 195});
  QFont font = first.font();
  font.setPointSizeF(14);
  first.setFont(font);
  first.setAlignment(Qt::AlignCenter);
  first.SetAutoSize(true);
  EXPECT_THROW(labels.Add(1, &canvas, {}), Refused);

  labels.Load(2);
  auto& loaded = static_cast<QtLabel&>(labels.Item(2));
  EXPECT_FALSE(loaded.Visible());
  EXPECT_EQ(loaded.alignment(), Qt::AlignCenter);
  EXPECT_TRUE(loaded.AutoSize());
  EXPECT_EQ(loaded.font().pointSizeF(), 14);
  loaded.SetCaption("1,001");
  EXPECT_EQ(loaded.Width(),
            QFontMetrics(font).horizontalAdvance("1,001") * toolkit::kTwipsPerPixel);
}

TEST_F(ToolkitTest, AsyncKeyStateReportsTheRightButtonWhileItIsDown) {
  QtPictureBox canvas(&window, "picCanvas", {0, 0, 1500, 1500});
  QTest::mousePress(&canvas, Qt::RightButton);
  EXPECT_NE(toolkit::GetAsyncKeyState(toolkit::vbKeyRButton), 0);
  EXPECT_EQ(toolkit::GetAsyncKeyState(1), 0);
  QTest::mouseRelease(&canvas, Qt::RightButton);
  EXPECT_EQ(toolkit::GetAsyncKeyState(toolkit::vbKeyRButton), 0);
}

}  // namespace

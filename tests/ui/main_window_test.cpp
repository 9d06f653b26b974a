// The main window's design, its pane layout and toggles, the report pane and the menus.

#include <QMenuBar>

#include "app/frmAbout.h"
#include "support/main_window_fixture.h"

namespace {

using MainWindow = MainWindowTest;

// The title and the pane buttons' captions are checked where they are used.
TEST_F(MainWindow, StartsAsDesigned) {
  EXPECT_EQ(std::pair(window->ScaleWidth(), window->ScaleHeight()), std::pair(9285.0, 7050.0));
  EXPECT_EQ(Find<QtLabel>("lblInfo").Caption(), "Enter an integer to find its prime factors  : ");
  EXPECT_EQ(std::tuple(Entry().Text(), RootBox().Text(), window->focusWidget()),
            std::tuple(QString("0"), QString("0"), static_cast<QWidget*>(&Entry())));
  EXPECT_EQ(Entry().BackColor(), 0x00C0FFFFu);
  EXPECT_DOUBLE_EQ(RootBox().Top(), Combo(1).Height()) << "waits one combo box below the top";
  QWidget* views[] = {Canvas(0).View(), Canvas(1).View()};
  EXPECT_EQ(std::tuple(RootBox().parentWidget(), Combo(1).parentWidget(), Combo(1).Visible(),
                       Combo(1).Tag(), Find<QtLabel>("lblPrimFact", 1).parentWidget()),
            std::tuple(views[0], views[0], false, QString("1"), views[1]));
  QStringList bar;  // Edit only pops up over the report
  for (QAction* action : window->menuBar()->actions()) bar << action->text();
  EXPECT_EQ(bar, QStringList({"&File", "&View", "&About"}));
  EXPECT_FALSE(Find<QAction>("mnuViewCompact").isChecked());
  EXPECT_EQ(Find<QAction>("mnuEditSelectAll").shortcut(), QKeySequence("Ctrl+A"));
  EXPECT_EQ(Find<QAction>("mnuEditCopy").shortcut(), QKeySequence("Ctrl+C"));
}

// The inner area is 9285 x 7065 twips: under the 435-twip tray the three 315-twip buttons leave
// 5685 twips, which the shown panes share. A click on a button toggles its pane; a hidden pane
// stays where it was, and showing all again restores the first layout.
TEST_F(MainWindow, ShownPanesShareTheFreeHeight) {
  SetInnerSize(9285, 7065);
  const struct {
    const char* name;
    bool shown[3];
    float buttonTop[3], paneTop[3], paneHeight;  // the height of the shown panes
  } cases[] = {
      {"all shown", {1, 1, 1}, {435, 2645, 4855}, {750, 2960, 5170}, 1895},
      {"the read-only tree hidden", {1, 0, 1}, {435, 3592.5, 3907.5}, {750, 2960, 4222.5}, 2842.5},
      {"only the read-only tree shown", {0, 1, 0}, {435, 750, 6750}, {750, 1065, 4222.5}, 5685},
      {"all hidden", {0, 0, 0}, {435, 750, 1065}, {750, 1065, 4222.5}, 0},
      {"all shown again", {1, 1, 1}, {435, 2645, 4855}, {750, 2960, 5170}, 1895}};
  const char* paneNames[] = {"picCanvas_0", "picCanvas_1", "wbPreview"};
  for (const auto& c : cases) {
    for (int i = 0; i < 3; ++i)
      if ((Button(i).Caption() == "Hide") != c.shown[i])
        QTest::mouseClick(&Button(i), Qt::LeftButton);
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(testing::Message() << c.name << ", pane " << i);
      EXPECT_EQ(Button(i).Caption(), c.shown[i] ? "Hide" : "Show");
      EXPECT_EQ(std::pair(Button(i).Left(), Button(i).Top()),
                std::pair(0.0, double(c.buttonTop[i])));
      const auto& pane = dynamic_cast<toolkit::Control&>(Find<QWidget>(paneNames[i]));
      EXPECT_EQ(std::pair(pane.Visible(), pane.Top()), std::pair(c.shown[i], double(c.paneTop[i])));
      if (!c.shown[i]) continue;
      EXPECT_EQ(std::pair(pane.Width(), pane.Height()), std::pair(9285.0, double(c.paneHeight)));
    }
  }
}

TEST_F(MainWindow, AMinimisedWindowMovesNothingUntilItIsRestored) {
  window->showMinimized();
  QCoreApplication::processEvents();
  const double top = Button(1).Top();
  window->cmdStatus_Click(0);
  EXPECT_DOUBLE_EQ(Button(1).Top(), top);
  window->showNormal();
  QCoreApplication::processEvents();
  EXPECT_DOUBLE_EQ(Button(1).Top(), 435 + 315);
}

// Copy is enabled in the menu only while something is selected.
TEST_F(MainWindow, TheEditMenuPopsUpOverTheReportFromMouseOrKeyboard) {
  Type("12");
  Report().setFocus();
  const auto key = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    return CopyEnabledInEditMenu([&] { QTest::keyClick(&Report(), key, modifiers); });
  };
  EXPECT_EQ(CopyEnabledInEditMenu([&] {
              QTest::mouseClick(Report().viewport(), Qt::RightButton, {}, QPoint(20, 20));
            }),
            std::optional(false));
  EXPECT_EQ(key(Qt::Key_Menu), std::optional(false));
  QTest::keyClick(&Report(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(key(Qt::Key_F10, Qt::ShiftModifier), std::optional(true));
}

TEST_F(MainWindow, CopyFollowsTheSelectionInTheReport) {
  Type("12");
  QAction& copy = Find<QAction>("mnuEditCopy");
  Find<QAction>("mnuEditSelectAll").trigger();
  EXPECT_TRUE(copy.isEnabled());
  copy.setEnabled(false);
  QTest::mouseMove(Report().viewport(), QPoint(30, 30));  // a move over the report: in line again
  EXPECT_TRUE(copy.isEnabled());
}

TEST_F(MainWindow, ExitEndsTheProgramAtOnce) {
  EXPECT_EXIT(window->mnuFileExit_Click(), ::testing::ExitedWithCode(0), "");
}

// Closed by its button, then from the keyboard.
TEST_F(MainWindow, AboutOpensAFreshModalBoxEachTime) {
  for (int showing = 0; showing < 2; ++showing) {
    bool modal = false;  // stays false unless a box was shown
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      modal = box->isModal();
      showing == 0 ? box->cmdOk_Click() : QTest::keyClick(box, Qt::Key_Escape);
    });
    window->mnuAbout_Click();
    EXPECT_TRUE(modal);
    EXPECT_EQ(window->findChildren<frmAbout*>().size(), 0) << "unloaded when closed";
  }
}

TEST_F(MainWindow, AReportThatCannotBeSetUpSaysSoWithNothingToCopy) {
  window->ShowReportUnavailable();
  EXPECT_EQ(Report().toPlainText(), "The report cannot be shown.");
  EXPECT_FALSE(Find<QAction>("mnuEditSelectAll").isEnabled());
  EXPECT_FALSE(Find<QAction>("mnuEditCopy").isEnabled());
}

}  // namespace

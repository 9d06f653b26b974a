// The main window's design, its pane layout and toggles, the report pane and the menus.

#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QTimer>

#include "app/frmAbout.h"
#include "support/main_window_fixture.h"
#include "ui/qt_canvas_view.h"

namespace {

using MainWindow = MainWindowTest;

TEST_F(MainWindow, StartsAsDesigned) {
  EXPECT_EQ(window->windowTitle(), "Kestrelon (Prime Factorization)");
  EXPECT_DOUBLE_EQ(window->ScaleWidth(), 9285);
  EXPECT_DOUBLE_EQ(window->ScaleHeight(), 7050);
  const QtLabel& info = Find<QtLabel>("lblInfo");
  EXPECT_EQ(info.Caption(), "Enter an integer to find its prime factors  : ");
  EXPECT_TRUE(info.font().bold());
  const QtTextBox& entry = Entry();
  EXPECT_FALSE(entry.font().bold());
  EXPECT_EQ(entry.Text(), "0");
  EXPECT_EQ(entry.Left(), 3720);
  EXPECT_EQ(entry.Width(), 1095);
  EXPECT_EQ(entry.BackColor(), 0x00C0FFFFu);
  EXPECT_EQ(entry.maxLength(), 15);
  EXPECT_EQ(entry.parentWidget()->objectName(), "picTray");
  EXPECT_EQ(window->focusWidget(), &entry);
  EXPECT_EQ(RootBox().Text(), "0");
  EXPECT_EQ(RootBox().parentWidget(), Canvas(0).View());
  EXPECT_DOUBLE_EQ(RootBox().Top(), Combo(1).Height()) << "waits one combo box below the top";
  EXPECT_EQ(Combo(1).Tag(), "1");
  EXPECT_FALSE(Combo(1).Visible());
  EXPECT_EQ(Combo(1).parentWidget(), Canvas(0).View());
  EXPECT_EQ(Find<QtLabel>("lblPrimFact", 1).Tag(), "1");
  EXPECT_EQ(Find<QtLabel>("lblPrimFact", 1).parentWidget(), Canvas(1).View());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Button(i).Caption(), "Hide");
  QStringList bar;  // Edit only pops up over the report
  for (QAction* action : window->menuBar()->actions()) bar << action->text();
  EXPECT_EQ(bar, QStringList({"&File", "&View", "&About"}));
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
    float buttonTop[3];
    float paneTop[3];
    float paneHeight;  // of the shown panes
  } cases[] = {
      {"all shown", {true, true, true}, {435, 2645, 4855}, {750, 2960, 5170}, 1895},
      {"the read-only tree hidden",
       {true, false, true},
       {435, 3592.5, 3907.5},
       {750, 2960, 4222.5},
       2842.5},
      {"only the read-only tree shown",
       {false, true, false},
       {435, 750, 6750},
       {750, 1065, 4222.5},
       5685},
      {"all hidden", {false, false, false}, {435, 750, 1065}, {750, 1065, 4222.5}, 0},
      {"all shown again", {true, true, true}, {435, 2645, 4855}, {750, 2960, 5170}, 1895},
  };
  const char* paneNames[] = {"picCanvas_0", "picCanvas_1", "wbPreview"};
  for (const auto& c : cases) {
    for (int i = 0; i < 3; ++i) {
      if ((Button(i).Caption() == "Hide") != c.shown[i])
        QTest::mouseClick(&Button(i), Qt::LeftButton);
    }
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(testing::Message() << c.name << ", pane " << i);
      EXPECT_EQ(Button(i).Caption(), c.shown[i] ? "Hide" : "Show");
      EXPECT_FLOAT_EQ(Button(i).Top(), c.buttonTop[i]);
      EXPECT_EQ(Button(i).Left(), 0);
      const auto& pane = dynamic_cast<toolkit::Control&>(Find<QWidget>(paneNames[i]));
      EXPECT_EQ(pane.Visible(), c.shown[i]);
      EXPECT_FLOAT_EQ(pane.Top(), c.paneTop[i]);
      if (!c.shown[i]) continue;
      EXPECT_FLOAT_EQ(pane.Height(), c.paneHeight);
      EXPECT_FLOAT_EQ(pane.Width(), 9285);
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

TEST_F(MainWindow, ARightPressOverTheReportPopsUpTheEditMenuWithCopyOffWhileNothingIsSelected) {
  Type("12");
  QWidget* viewport = Report().viewport();
  EXPECT_EQ(CopyEnabledInEditMenu(
                [&] { QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(20, 20)); }),
            std::optional(false));
}

TEST_F(MainWindow, CopyFollowsTheSelectionInTheReport) {
  Type("12");
  QAction& copy = Find<QAction>("mnuEditCopy");
  Find<QAction>("mnuEditSelectAll").trigger();
  EXPECT_TRUE(copy.isEnabled());
  copy.setEnabled(false);
  QTest::mouseMove(Report().viewport(),
                   QPoint(30, 30));  // a move over the report brings Copy in line
  EXPECT_TRUE(copy.isEnabled());
}

TEST_F(MainWindow, ExitEndsTheProgramAtOnce) {
  EXPECT_EXIT(window->mnuFileExit_Click(), ::testing::ExitedWithCode(0), "");
}

TEST_F(MainWindow, AboutOpensAFreshModalBoxEachTime) {
  for (int showing = 0; showing < 2; ++showing) {
    bool modal = false;  // stays false unless a box was shown
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      modal = box->isModal();
      // Closed by its button, then from the keyboard.
      if (showing == 0)
        box->cmdOk_Click();
      else
        QTest::keyClick(box, Qt::Key_Escape);
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

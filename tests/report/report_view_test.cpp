// The report pane's behaviour against a view that is ready at once, late, or never.

#include "report/report_view.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "support/fake_toolkit.h"

namespace {

// A view whose page is ready after `checksUntilReady` looks at its ready state (never when < 0).
struct FakeView : fake::Control<HtmlView> {
  void SetOffline(bool on) override { offline = on; }
  void Navigate(const QString& url) override { navigated << url; }
  int ReadyState() const override {
    return checksUntilReady >= 0 && checks++ >= checksUntilReady ? kReadyStateComplete : 1;
  }
  HtmlDocument* Document() override { return hasDocument ? &document : nullptr; }
  void ExecCopy() override {}
  void ExecSelectAll() override {}

  int checksUntilReady = 3;
  mutable int checks = 0;
  bool hasDocument = true, offline = false;
  QStringList navigated;
  fake::HtmlDocument document;
};

struct FakeMenu : toolkit::PopupMenu, toolkit::MenuItem {
  void Popup() override { ++popups; }
  bool Enabled() const override { return enabled; }
  void SetEnabled(bool on) override { enabled = on, ++writes; }
  int popups = 0, writes = 0;
  bool enabled = true;
};

// A report view over a view that is ready after three looks, set up and with its events at hand.
class ReportViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EXPECT_EQ(report.Document(), nullptr);
    ASSERT_TRUE(report.SetUp());
    ASSERT_NE(view.document.events, nullptr);
  }
  HtmlDocumentEvents& Events() { return *view.document.events; }

  FakeView view;
  FakeMenu menu;
  ReportView report{view, menu, menu};
};

TEST_F(ReportViewTest, KeepsTheDocumentOfABlankPageOpenedOffline) {
  EXPECT_TRUE(view.offline);
  EXPECT_EQ(view.navigated, QStringList{"about:blank"});
  EXPECT_EQ(report.Document(), &view.document);
}

// The left button pops nothing up.
TEST_F(ReportViewTest, TheEditMenuReplacesTheViewsOwnMenus) {
  EXPECT_FALSE(Events().htmlDocument_oncontextmenu());
  EXPECT_FALSE(Events().htmlDocument_ondblclick());
  Events().htmlDocument_onmousedown();
  EXPECT_EQ(menu.popups, 0);
}

// A double click finds nothing selected; an unchanged state is not written again.
TEST_F(ReportViewTest, CopyFollowsTheSelection) {
  Events().htmlDocument_ondblclick();
  EXPECT_FALSE(menu.enabled);
  view.document.selection = "2 x 2 x 3";
  Events().htmlDocument_onmousemove();
  EXPECT_TRUE(menu.enabled);
  const int writes = menu.writes;
  Events().htmlDocument_onselectionchange();
  EXPECT_EQ(menu.writes, writes);
}

TEST(ReportView, SetUpFailsWithoutADocument) {
  FakeView noDocument;
  noDocument.hasDocument = false;
  FakeMenu menu;
  EXPECT_FALSE(ReportView(noDocument, menu, menu).SetUp());
}

TEST(ReportView, SetUpGivesUpOnAViewThatNeverBecomesReady) {
  FakeView neverReady;
  neverReady.checksUntilReady = -1;
  FakeMenu menu;
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(ReportView(neverReady, menu, menu, 20).SetUp());
  EXPECT_GE(clock.elapsed(), 20);
  EXPECT_LT(clock.elapsed(), ReportView::kReadyTimeoutMs) << "the bound it was given";
}

}  // namespace

// The report pane's behaviour against a view that is ready at once, late, or never.

#include "report/report_view.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "support/fake_toolkit.h"

namespace {

struct FakeDocument : fake::HtmlDocument {
  QString SelectionText() const override { return selection; }
  void SetEvents(HtmlDocumentEvents* to) override { events = to; }
  QString selection;
  HtmlDocumentEvents* events = nullptr;
};

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

  int checksUntilReady = 0;
  mutable int checks = 0;
  bool hasDocument = true, offline = false;
  QStringList navigated;
  FakeDocument document;
};

struct FakeMenu : toolkit::PopupMenu, toolkit::MenuItem {
  void Popup() override { ++popups; }
  bool Enabled() const override { return enabled; }
  void SetEnabled(bool on) override {
    enabled = on;
    ++writes;
  }
  int popups = 0, writes = 0;
  bool enabled = true;
};

TEST(ReportView, OpensTheBlankPageOfflineRefusesTheViewsMenusAndCopyFollowsTheSelection) {
  FakeView view;
  FakeMenu menu;
  ReportView report(view, menu, menu);
  view.checksUntilReady = 3;
  EXPECT_EQ(report.Document(), nullptr);
  ASSERT_TRUE(report.SetUp());
  EXPECT_TRUE(view.offline);
  EXPECT_EQ(view.navigated, QStringList{"about:blank"});
  EXPECT_EQ(report.Document(), &view.document);
  ASSERT_NE(view.document.events, nullptr);
  HtmlDocumentEvents& events = *view.document.events;
  EXPECT_FALSE(events.htmlDocument_oncontextmenu()) << "the Edit menu replaces the view's own";
  EXPECT_FALSE(events.htmlDocument_ondblclick());
  EXPECT_FALSE(menu.enabled) << "a double click finds nothing selected";

  view.document.selection = "2 x 2 x 3";
  events.htmlDocument_onmousemove();
  EXPECT_TRUE(menu.enabled);
  const int writes = menu.writes;
  events.htmlDocument_onselectionchange();
  EXPECT_EQ(menu.writes, writes);
  events.htmlDocument_onmousedown();  // the left button: no pop-up
  EXPECT_EQ(menu.popups, 0);

  // Set-up waits a few seconds for the page and needs a document.
  FakeView noDocument;
  noDocument.hasDocument = false;
  EXPECT_FALSE(ReportView(noDocument, menu, menu).SetUp());

  FakeView neverReady;
  neverReady.checksUntilReady = -1;
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(ReportView(neverReady, menu, menu).SetUp());
  EXPECT_GE(clock.elapsed(), 1000);
  EXPECT_LE(clock.elapsed(), 10000);
}

}  // namespace

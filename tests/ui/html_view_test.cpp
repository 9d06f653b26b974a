#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/qt_html_view.h"

namespace {

// A report in the shape the program writes: its own html and body tags inside the body.
const QString kReport = QStringLiteral(
    "<html><head></head><body>&nbsp;&nbsp;The prime factorization of 12 is <br><br>12 = 2 x 2 x "
    "3  <font color=#FF0000>or</font>  2<sup>2</sup> x 3<p><strong>Upside-down division : "
    "</strong></p><blockquote><table><tr><td align='right'><font color=#FF0000>2</font></td>"
    "<td><u>|&nbsp;12</u></td></tr><tr><td></td><td>&nbsp;<font color=#FF0000>3</font></td></tr>"
    "</table></blockquote><p>To prime factor a number, begin dividing by the smallest possible "
    "prime.</p></body></html>");

// Records the document's events and gives the answers a test asks for.
struct RecordingEvents : HtmlDocumentEvents {
  bool contextMenuAnswer = true;
  bool dblClickAnswer = true;
  int contextMenus = 0, dblClicks = 0, mouseDowns = 0, mouseMoves = 0, selectionChanges = 0;
  std::function<void()> onMouseDown;

  bool htmlDocument_oncontextmenu() override {
    ++contextMenus;
    return contextMenuAnswer;
  }
  bool htmlDocument_ondblclick() override {
    ++dblClicks;
    return dblClickAnswer;
  }
  void htmlDocument_onmousedown() override {
    ++mouseDowns;
    if (onMouseDown) onMouseDown();
  }
  void htmlDocument_onmousemove() override { ++mouseMoves; }
  void htmlDocument_onselectionchange() override { ++selectionChanges; }
};

class HtmlViewTest : public testing::Test {
 protected:
  void SetUp() override {
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  }

  // Opens the blank page, routes its events to `events` and writes `html` into the body.
  HtmlDocument& Open(const QString& html = kReport) {
    view.SetOffline(true);
    view.Navigate("about:blank");
    HtmlDocument& document = *view.Document();
    document.SetEvents(&events);
    document.SetBodyInnerHtml(html);
    return document;
  }

  // The centre of the first character of `word` in the view's viewport.
  QPoint PointOf(const QString& word) {
    QTextCursor cursor = view.document()->find(word);
    cursor.setPosition(cursor.selectionStart() + 1);
    return view.cursorRect(cursor).center();
  }

  QtHtmlView view{nullptr, QStringLiteral("wbPreview"), {0, 0, 9000, 6000}};
  RecordingEvents events;
};

TEST_F(HtmlViewTest, OpensOnlyTheBlankPage) {
  EXPECT_EQ(view.ReadyState(), 0);
  EXPECT_EQ(view.Document(), nullptr);
  EXPECT_THROW(view.Navigate("http://example.invalid/"), toolkit::Refused);
  EXPECT_EQ(view.ReadyState(), 0);

  view.Navigate("about:blank");

  EXPECT_EQ(view.ReadyState(), HtmlView::kReadyStateComplete);
  ASSERT_NE(view.Document(), nullptr);
  EXPECT_EQ(view.Document()->BodyInnerHtml(), QString());
  EXPECT_EQ(view.toPlainText(), QString());
}

TEST_F(HtmlViewTest, BodyKeepsExactlyTheTextWrittenAndShowsIt) {
  HtmlDocument& document = Open();
  EXPECT_EQ(document.BodyInnerHtml(), kReport);
  const QString shown = view.toPlainText();
  EXPECT_TRUE(shown.contains(QStringLiteral("12 = 2 x 2 x 3"))) << shown.toStdString();
  EXPECT_TRUE(shown.contains(QStringLiteral("Upside-down division")));
  EXPECT_FALSE(shown.contains(u'<')) << "tags must be rendered, not shown";

  const QString second =
      QStringLiteral("<html><head></head><body><p>7 is prime.</p></body></html>");
  document.SetBodyInnerHtml(second);
  EXPECT_EQ(document.BodyInnerHtml(), second);
  EXPECT_EQ(view.toPlainText(), QStringLiteral("7 is prime."));
}

TEST_F(HtmlViewTest, BodyFontAppliesToTheShownTextAndOutlastsWrites) {
  struct Case {
    QString family, size;
    QString firstFamily;  // expected
    int pixelSize;        // expected, 0: not checked
    double pointSize;     // expected, 0: not checked
  };
  const int defaultPixels = QFontInfo(QApplication::font(&view)).pixelSize();
  const Case cases[] = {
      {"Arial", "15px", "Arial", 15, 0},
      {"'Times New Roman', serif", "12pt", "Times New Roman", 0, 12},
      {"Arial", "large", "Arial", defaultPixels, 0},
  };
  HtmlDocument& document = Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.family.toStdString() + " " + c.size.toStdString());
    document.SetBodyFontFamily(c.family);
    document.SetBodyFontSize(c.size);
    document.SetBodyInnerHtml(kReport);
    document.SetBodyInnerHtml(QStringLiteral("<p>second</p>"));

    EXPECT_EQ(document.BodyFontFamily(), c.family);
    EXPECT_EQ(document.BodyFontSize(), c.size);
    const QFont shown = view.document()->defaultFont();
    EXPECT_EQ(shown.families().value(0), c.firstFamily);
    if (c.pixelSize != 0) {
      EXPECT_EQ(QFontInfo(shown).pixelSize(), c.pixelSize);
    }
    if (c.pointSize != 0) {
      EXPECT_DOUBLE_EQ(shown.pointSizeF(), c.pointSize);
    }
  }
}

TEST_F(HtmlViewTest, SelectAllTakesTheWholeTextAndCopyPutsItOnTheClipboard) {
  HtmlDocument& document = Open();
  EXPECT_EQ(document.SelectionText(), QString());

  view.ExecSelectAll();
  EXPECT_EQ(document.SelectionText(), view.document()->toPlainText());
  EXPECT_EQ(events.selectionChanges, 1);
  view.ExecSelectAll();
  EXPECT_EQ(events.selectionChanges, 2) << "an unchanged selection is still announced";

  QGuiApplication::clipboard()->clear();
  view.ExecCopy();
  const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(copied->text(), document.SelectionText());
  EXPECT_TRUE(copied->hasHtml());
}

TEST_F(HtmlViewTest, PressReachesTheHandlerAfterTheViewHasHandledIt) {
  HtmlDocument& document = Open();
  QString selectedAtMouseDown = QStringLiteral("unset");
  events.onMouseDown = [&] { selectedAtMouseDown = document.SelectionText(); };
  const QPoint at = PointOf(QStringLiteral("prime"));

  QTest::mousePress(view.viewport(), Qt::RightButton, {}, at);
  QTest::mouseRelease(view.viewport(), Qt::RightButton, {}, at);
  EXPECT_EQ(events.mouseDowns, 1);
  EXPECT_EQ(selectedAtMouseDown, QString());

  // A shift-press extends the selection from the caret; the handler must already see it.
  view.moveCursor(QTextCursor::Start);
  QTest::mousePress(view.viewport(), Qt::LeftButton, Qt::ShiftModifier, at);
  QTest::mouseRelease(view.viewport(), Qt::LeftButton, Qt::ShiftModifier, at);
  EXPECT_EQ(events.mouseDowns, 2);
  EXPECT_TRUE(selectedAtMouseDown.contains(QStringLiteral("The p")))
      << selectedAtMouseDown.toStdString();
}

TEST_F(HtmlViewTest, ContextMenuShowsOnlyWhenTheHandlerAllowsIt) {
  Open();
  for (bool answer : {false, true}) {
    SCOPED_TRACE(answer);
    events.contextMenuAnswer = answer;
    // The view's menu runs its own loop; close it from inside, noting that it was there.
    bool menuShown = false;
    QTimer::singleShot(50, [&] {
      if (QWidget* popup = QApplication::activePopupWidget()) {
        menuShown = qobject_cast<QMenu*>(popup) != nullptr;
        popup->close();
      }
    });
    const QPoint at = PointOf(QStringLiteral("prime"));
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
    QApplication::sendEvent(view.viewport(), &request);
    QTest::qWait(100);

    EXPECT_EQ(menuShown, answer);
  }
  EXPECT_EQ(events.contextMenus, 2);
}

TEST_F(HtmlViewTest, DoubleClickSelectsAWordOnlyWhenTheHandlerAllowsIt) {
  HtmlDocument& document = Open();
  for (bool answer : {false, true}) {
    SCOPED_TRACE(answer);
    events.dblClickAnswer = answer;
    view.moveCursor(QTextCursor::Start);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, PointOf(QStringLiteral("smallest")));

    EXPECT_EQ(document.SelectionText(), answer ? QStringLiteral("smallest") : QString());
  }
  EXPECT_EQ(events.dblClicks, 2);
}

TEST_F(HtmlViewTest, MovesReachTheHandlerWithoutAButtonHeld) {
  Open();
  const QPoint at = PointOf(QStringLiteral("prime"));
  QMouseEvent move(QEvent::MouseMove, at, view.viewport()->mapToGlobal(at), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(view.viewport(), &move);

  EXPECT_EQ(events.mouseMoves, 1);
  EXPECT_TRUE(view.viewport()->hasMouseTracking()) << "moves without a button must be delivered";
}

TEST_F(HtmlViewTest, LoadsNothingAndLinksGoNowhere) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString imagePath = dir.filePath(QStringLiteral("tree.png"));
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(image.save(imagePath));
  const QUrl imageUrl = QUrl::fromLocalFile(imagePath);

  const QString html = QStringLiteral(
                           "<p><a href=\"http://example.invalid/\">elsewhere</a>"
                           "<img src=\"%1\"><img src=\"tree.png\"></p>")
                           .arg(imageUrl.toString());
  HtmlDocument& document = Open(html);
  view.document()->setBaseUrl(QUrl::fromLocalFile(dir.path() + u'/'));

  for (const QUrl& url : {imageUrl, QUrl(QStringLiteral("tree.png")),
                          QUrl(QStringLiteral("http://example.invalid/a.png"))}) {
    SCOPED_TRACE(url.toString().toStdString());
    EXPECT_FALSE(view.loadResource(QTextDocument::ImageResource, url).isValid());
    EXPECT_FALSE(view.document()->resource(QTextDocument::ImageResource, url).isValid());
  }

  QSignalSpy clicked(&view, &QTextBrowser::anchorClicked);
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, PointOf(QStringLiteral("elsewhere")));
  EXPECT_EQ(clicked.count(), 1) << "the click must land on the link";
  EXPECT_TRUE(view.source().isEmpty());
  EXPECT_EQ(document.BodyInnerHtml(), html);
  EXPECT_TRUE(view.toPlainText().contains(QStringLiteral("elsewhere")));
}

}  // namespace

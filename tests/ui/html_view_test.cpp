// The report view alone: it loads nothing, keeps the body and its font, and asks its events.

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QImage>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "support/event_counter.h"
#include "ui/qt_html_view.h"

namespace {

// A report in the shape the program writes: its own html and body tags inside the body.
const QString kReport = QStringLiteral(
    "<html><head></head><body>The prime factorization of 12 is <br><br>12 = 2 x 2 x 3 <p>To "
    "prime factor a number, begin dividing by the smallest possible prime.</p></body></html>");

// So many one-line paragraphs.
QString Paragraphs(int count) {
  QString html;
  for (int i = 0; i < count; ++i) html += QStringLiteral("<p>%1</p>").arg(i);
  return html;
}

struct AnsweringEvents : HtmlDocumentEvents {
  bool answer = true;  // to contextmenu and dblclick
  bool htmlDocument_oncontextmenu() override { return answer; }
  bool htmlDocument_ondblclick() override { return answer; }
  void htmlDocument_onmousedown() override {}
  void htmlDocument_onmousemove() override {}
  void htmlDocument_onselectionchange() override { ++selectionChanges; }
  int selectionChanges = 0;
};

class HtmlViewTest : public testing::Test {
 protected:
  void SetUp() override {
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  }

  HtmlDocument& Open(const QString& html = kReport) {
    view.SetOffline(true);
    view.Navigate(HtmlView::kBlankPage);
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
  AnsweringEvents events;
};

TEST_F(HtmlViewTest, LoadsNothingButTheBlankPage) {
  EXPECT_THROW(view.Navigate("http://example.invalid/"), toolkit::Refused);
  EXPECT_EQ(std::pair(view.Document(), view.ReadyState()), std::pair((HtmlDocument*)nullptr, 0));
  QTemporaryDir dir;
  const QString imagePath = dir.filePath("tree.png");
  ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB32).save(imagePath));
  const QString html = R"(<p><a href="http://example.invalid/">elsewhere</a><img src="tree.png">)";
  HtmlDocument& document = Open(html);
  EXPECT_EQ(view.ReadyState(), HtmlView::kReadyStateComplete);
  view.document()->setBaseUrl(QUrl::fromLocalFile(dir.path() + u'/'));
  for (const QUrl& url : {QUrl::fromLocalFile(imagePath), QUrl("tree.png")})
    EXPECT_FALSE(view.document()->resource(QTextDocument::ImageResource, url).isValid())
        << url.toString().toStdString();

  QSignalSpy clicked(&view, &QTextBrowser::anchorClicked);
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, PointOf("elsewhere"));
  EXPECT_EQ(clicked.count(), 1) << "the click must land on the link";
  EXPECT_TRUE(view.source().isEmpty());
  EXPECT_EQ(document.BodyInnerHtml(), html);
}

TEST_F(HtmlViewTest, BodyKeepsWhatIsWrittenInItsFont) {
  HtmlDocument& document = Open();
  document.SetBodyFontFamily("Arial");
  document.SetBodyFontSize("15px");
  EXPECT_EQ(document.BodyInnerHtml(), kReport);
  const QString shown = view.toPlainText();
  EXPECT_TRUE(shown.contains("12 = 2 x 2 x 3")) << shown.toStdString();
  EXPECT_FALSE(shown.contains(u'<')) << "tags must be rendered, not shown";
  document.SetBodyInnerHtml("<p>7 is prime.</p>");
  EXPECT_EQ(view.toPlainText(), "7 is prime.");
  EXPECT_EQ(view.document()->defaultFont().families().value(0), "Arial");
  EXPECT_EQ(QFontInfo(view.document()->defaultFont()).pixelSize(), 15);
  document.SetBodyFontFamily("'Times New Roman', serif");  // CSS quotes are no part of a name
  EXPECT_EQ(view.document()->defaultFont().families(), QStringList({"Times New Roman", "serif"}));
}

// Texts of so many one-line paragraphs in turn, short and tall, each laid out with the bar or
// without as the last ones suggest: the bar shows exactly when the text is taller than the view.
TEST_F(HtmlViewTest, TheBarShowsExactlyWhenTheTextIsTallerThanTheView) {
  HtmlDocument& document = Open();
  for (const int count : {2, 60, 3, 61, 4, 60, 59, 2}) {
    document.SetBodyInnerHtml(Paragraphs(count));
    EXPECT_EQ(view.verticalScrollBar()->isVisibleTo(&view),
              view.document()->size().height() > view.viewport()->height())
        << count;
  }
}

// Writing a text empties the view first; the bar stays through it, and the text is laid out at
// the width it ends with, as long as the bar's need stays the same.
TEST_F(HtmlViewTest, TheTextAreaKeepsItsWidthWhileTheBarsNeedStays) {
  HtmlDocument& document = Open(Paragraphs(60));
  EventCounter counter(QEvent::Resize);
  view.viewport()->installEventFilter(&counter);
  document.SetBodyInnerHtml(Paragraphs(40));
  EXPECT_EQ(counter.count, 0) << "tall after a taller one";
  document.SetBodyInnerHtml(Paragraphs(2));
  counter.count = 0;
  document.SetBodyInnerHtml(Paragraphs(3));
  EXPECT_EQ(counter.count, 0) << "short after short";
}

// The view's menu runs its own loop; a timer closes it from inside, noting that it was there.
TEST_F(HtmlViewTest, TheViewsMenuShowsOnlyWhenTheHandlerAllows) {
  Open();
  for (bool answer : {false, true}) {
    events.answer = answer;
    bool menuShown = false;
    QTimer::singleShot(0, [&] {
      if (QWidget* popup = QApplication::activePopupWidget()) {
        menuShown = qobject_cast<QMenu*>(popup) != nullptr;
        popup->close();
      }
    });
    const QPoint at = PointOf("prime");
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
    QApplication::sendEvent(view.viewport(), &request);
    QCoreApplication::processEvents();
    EXPECT_EQ(menuShown, answer) << answer;
  }
}

// Qt tells of a selection only when it changes; Select All tells of it every time, once.
TEST_F(HtmlViewTest, SelectAllRaisesOneSelectionChangeEachTime) {
  Open();
  for (int time = 1; time <= 2; ++time) {
    events.selectionChanges = 0;
    view.ExecSelectAll();
    EXPECT_EQ(events.selectionChanges, 1) << time;
  }
}

TEST_F(HtmlViewTest, ADoubleClickSelectsAWordOnlyWhenTheHandlerAllows) {
  HtmlDocument& document = Open();
  for (bool answer : {false, true}) {
    events.answer = answer;
    view.moveCursor(QTextCursor::Start);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, PointOf("begin"));
    EXPECT_EQ(document.SelectionText(), answer ? "begin" : "") << answer;
  }
}

}  // namespace

#include "ui/qt_html_view.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextDocumentFragment>
#include <algorithm>
#include <cmath>

#include "ui/qt_scroll_bar.h"
#include "ui/report_accessible.h"
#include "ui/report_document.h"

namespace {

// A document that loads nothing: Qt's own document would otherwise read images and style sheets
// named in the HTML from local files and resources on its own. The browser's own loader is
// reached only through its history and sources, which this view never sets.
class OfflineDocument : public QTextDocument {
 public:
  using QTextDocument::QTextDocument;

 protected:
  QVariant loadResource(int, const QUrl&) override { return {}; }
};

// A CSS font-family list ("Arial", "'Times New Roman', serif") as Qt font families.
QStringList FontFamilies(const QString& cssFamily) {
  QStringList families;
  for (const QString& part : cssFamily.split(u',', Qt::SkipEmptyParts)) {
    QString family = part.trimmed();
    if (family.size() >= 2 && (family.front() == u'\'' || family.front() == u'"') &&
        family.back() == family.front()) {
      family = family.mid(1, family.size() - 2);
    }
    if (!family.isEmpty()) families << family;
  }
  return families;
}

// Sets the size of `font` from a CSS length in px or pt; any other text leaves it alone, as a
// browser ignores a style value it cannot read.
void SetCssFontSize(QFont& font, const QString& cssSize) {
  static const QRegularExpression length(QStringLiteral(R"(^\s*(\d+(?:\.\d+)?)\s*(px|pt)\s*$)"),
                                         QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = length.match(cssSize);
  if (!match.hasMatch()) return;
  const double value = match.captured(1).toDouble();
  if (value <= 0) return;
  if (match.captured(2).compare(u"px", Qt::CaseInsensitive) == 0) {
    font.setPixelSize(static_cast<int>(std::lround(value)));
  } else {
    font.setPointSizeF(value);
  }
}

}  // namespace

QtHtmlView::QtHtmlView(QWidget* container, const QString& name, const TwipRect& rect)
    : QtControl(container, name, rect) {
  static const bool accessible = (QAccessible::installFactory(ReportAccessible), true);
  Q_UNUSED(accessible);
  setDocument(new OfflineDocument(this));
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setReadOnly(true);
  // Numbers and equations read left to right in every locale.
  setLayoutDirection(Qt::LeftToRight);
  QTextOption option = document()->defaultTextOption();
  option.setTextDirection(Qt::LeftToRight);
  document()->setDefaultTextOption(option);

  QPalette colors = palette();
  colors.setColor(QPalette::Base, Qt::white);
  colors.setColor(QPalette::Text, Qt::black);
  setPalette(colors);
  for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
    bar->setStyle(QtScrollBar::BarStyle());
  }

  // mousemove is raised for every move over the report, not only while a button is held.
  viewport()->setMouseTracking(true);
  connect(this, &QTextEdit::selectionChanged, this, &QtHtmlView::RaiseSelectionChange);
}

void QtHtmlView::Navigate(const QString& url) {
  if (url != QLatin1String(kBlankPage)) throw toolkit::Refused("the view loads no pages");
  // A new document: empty, with no body style.
  bodyFontFamily_.clear();
  bodyFontSize_.clear();
  bodyInnerHtml_.clear();
  ApplyBodyFont();
  clear();
  readyState_ = kReadyStateComplete;
}

HtmlDocument* QtHtmlView::Document() { return readyState_ == kReadyStateComplete ? this : nullptr; }

void QtHtmlView::ExecSelectAll() {
  // Qt signals a selection change only when the selection differs; Select All always raises
  // selectionchange, so an already complete selection is announced too.
  const QTextCursor before = textCursor();
  selectAll();
  if (textCursor() == before) RaiseSelectionChange();
}

bool QtHtmlView::event(QEvent* event) {
  const bool handled = QTextBrowser::event(event);
  switch (event->type()) {
    case QEvent::Paint:
      // The report is a Tab stop, and the style marks no focus on its frame: mark it there.
      PaintFocusFrame(*this);
      break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      update();
      break;
    default:
      break;
  }
  return handled;
}

void QtHtmlView::contextMenuEvent(QContextMenuEvent* event) {
  if (event->reason() == QContextMenuEvent::Keyboard) {
    RaiseMenuKey();
    event->accept();
    return;
  }
  if (events_ != nullptr && !events_->htmlDocument_oncontextmenu()) {
    event->accept();
    return;
  }
  QTextBrowser::contextMenuEvent(event);
}

void QtHtmlView::keyPressEvent(QKeyEvent* event) {
  // Not every platform turns these keys into a context menu event by itself.
  const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
  if (event->key() == Qt::Key_Menu || shiftF10) {
    RaiseMenuKey();
    event->accept();
    return;
  }
  QTextBrowser::keyPressEvent(event);
}

QMimeData* QtHtmlView::createMimeDataFromSelection() const {
  const QTextDocumentFragment selection = textCursor().selection();
  auto* data = new QMimeData;
  data->setHtml(selection.toHtml());
  data->setText(ClipboardText(selection));
  return data;
}

void QtHtmlView::mouseDoubleClickEvent(QMouseEvent* event) {
  // Qt delivers the second press of a double click as this event, so it is a mousedown as well.
  if (events_ == nullptr || events_->htmlDocument_ondblclick()) {
    QTextBrowser::mouseDoubleClickEvent(event);
  } else {
    event->accept();
  }
  if (events_ != nullptr) events_->htmlDocument_onmousedown();
}

void QtHtmlView::mousePressEvent(QMouseEvent* event) {
  // The press is handled first, so the handler reads the selection the press left.
  QTextBrowser::mousePressEvent(event);
  if (events_ != nullptr) events_->htmlDocument_onmousedown();
}

void QtHtmlView::mouseMoveEvent(QMouseEvent* event) {
  QTextBrowser::mouseMoveEvent(event);
  if (events_ != nullptr) events_->htmlDocument_onmousemove();
}

void QtHtmlView::SetBodyFontFamily(const QString& family) {
  bodyFontFamily_ = family;
  ApplyBodyFont();
}

void QtHtmlView::SetBodyFontSize(const QString& size) {
  bodyFontSize_ = size;
  ApplyBodyFont();
}

void QtHtmlView::ApplyBodyFont() {
  // Built afresh from the application's font each time, so a style that no longer names a
  // family or size falls back to the default.
  QFont font = QApplication::font(this);
  const QStringList families = FontFamilies(bodyFontFamily_);
  if (!families.isEmpty()) {
    font.setFamilies(families);
    // A family the platform lacks falls back to its sans-serif.
    font.setStyleHint(QFont::SansSerif);
  }
  SetCssFontSize(font, bodyFontSize_);
  setFont(font);
}

void QtHtmlView::SetBodyInnerHtml(const QString& html) {
  // A pick in the tree writes the same report again: what it shows, selection and scroll
  // position included, stays.
  if (html == bodyInnerHtml_ && !html.isEmpty()) return;
  bodyInnerHtml_ = html;
  // Writing a text first empties the view, which drops the bar, so a text that needs it is laid
  // out wide and then again when the bar comes back. A text is laid out with the bar showing from
  // the start, so once, while the bar shows or when it has as many lines (rows, breaks,
  // paragraphs) as a text that needed the bar at this size; one that fits after all loses the bar
  // after and is laid out again.
  if (size() != barSize_) {
    barSize_ = size();
    fewestLinesNeedingBar_ = std::numeric_limits<qsizetype>::max();
  }
  const qsizetype lines = html.count(u"<tr") + html.count(u"<br") + html.count(u"<p");
  const Qt::ScrollBarPolicy policy = verticalScrollBarPolicy();
  if (verticalScrollBar()->isVisibleTo(this) || lines >= fewestLinesNeedingBar_) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  }
  setHtml(WithNumbersInOrder(html));
  setVerticalScrollBarPolicy(policy);
  if (verticalScrollBar()->isVisibleTo(this)) {
    fewestLinesNeedingBar_ = std::min(fewestLinesNeedingBar_, lines);
  }
}

QString QtHtmlView::SelectionText() const { return textCursor().selection().toPlainText(); }

void QtHtmlView::RaiseSelectionChange() {
  if (events_ != nullptr) events_->htmlDocument_onselectionchange();
}

void QtHtmlView::RaiseMenuKey() {
  // Below the text cursor when it is in sight, else at the view's top left corner.
  const QRect shown = viewport()->rect();
  QPoint at = cursorRect().bottomLeft();
  if (!shown.contains(at)) at = shown.topLeft();
  Raise(onMenuKey, viewport()->mapToGlobal(at));
}

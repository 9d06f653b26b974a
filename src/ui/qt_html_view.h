#pragma once
// The report pane's HTML view over Qt's rich-text browser. It is offline by construction: every
// resource it is asked for comes back empty, links do nothing, and the only page it opens is
// "about:blank". The view is its own document; the program writes the body into it.

#include <QTextBrowser>
#include <functional>
#include <limits>

#include "report/html_view.h"
#include "ui/qt_control.h"

class QtHtmlView : public QtControl<QTextBrowser, HtmlView>, private HtmlDocument {
  Q_OBJECT

 public:
  QtHtmlView(QWidget* container, const QString& name, const TwipRect& rect);

  // The view is offline whatever is asked: there is nothing to switch.
  void SetOffline(bool) override {}
  // Refused for any page but the blank one: the view loads nothing.
  void Navigate(const QString& url) override;
  int ReadyState() const override { return readyState_; }
  HtmlDocument* Document() override;
  void ExecCopy() override { copy(); }
  void ExecSelectAll() override;

  // The Menu key or Shift+F10 over the view, with the point where a menu for it belongs.
  std::function<void(const QPoint& globalPos)> onMenuKey;

 protected:
  bool event(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // The selection as the view's HTML and as plain text a person would write.
  QMimeData* createMimeDataFromSelection() const override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // HtmlDocument
  void SetBodyFontFamily(const QString& family) override;
  void SetBodyFontSize(const QString& size) override;
  QString BodyInnerHtml() const override { return bodyInnerHtml_; }
  void SetBodyInnerHtml(const QString& html) override;
  QString SelectionText() const override;
  void SetEvents(HtmlDocumentEvents* events) override { events_ = events; }

  void ApplyBodyFont();
  void RaiseSelectionChange();
  void RaiseMenuKey();

  int readyState_ = 0;  // 0 until the blank page is open, then kReadyStateComplete

  // The body's style texts, as written; the shown font is made from them.
  QString bodyFontFamily_;
  QString bodyFontSize_;
  QString bodyInnerHtml_;  // exactly the text last written
  HtmlDocumentEvents* events_ = nullptr;

  // The fewest lines a text has had that needed the vertical bar at the view's size `barSize_`.
  qsizetype fewestLinesNeedingBar_ = std::numeric_limits<qsizetype>::max();
  QSize barSize_;
};

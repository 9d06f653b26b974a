#pragma once
// The embedded HTML view that shows the report, as the program sees it. It is offline: it loads
// nothing and shows only what the program writes into the body of its one document.

#include <QString>

#include "toolkit/toolkit.h"

// Receives the events of the view's document. contextmenu and dblclick answer whether the view's
// own default action (its context menu, its double-click selection) may run.
class HtmlDocumentEvents {
 public:
  virtual ~HtmlDocumentEvents() = default;
  virtual bool htmlDocument_oncontextmenu() = 0;
  virtual bool htmlDocument_ondblclick() = 0;
  virtual void htmlDocument_onmousedown() = 0;
  virtual void htmlDocument_onmousemove() = 0;
  virtual void htmlDocument_onselectionchange() = 0;
};

// The view's document: the body's font and content, and the selection.
class HtmlDocument {
 public:
  virtual ~HtmlDocument() = default;
  virtual void SetBodyFontFamily(const QString& family) = 0;
  virtual void SetBodyFontSize(const QString& size) = 0;  // a CSS length such as "15px"
  virtual QString BodyInnerHtml() const = 0;
  virtual void SetBodyInnerHtml(const QString& html) = 0;  // replaces the content, shown at once
  virtual QString SelectionText() const = 0;               // empty when nothing is selected
  // The document's events go to `events` from now on (nullptr: nowhere).
  virtual void SetEvents(HtmlDocumentEvents* events) = 0;
};

class HtmlView : public toolkit::Control {
 public:
  static constexpr int kReadyStateComplete = 4;
  static constexpr const char* kBlankPage = "about:blank";  // the only page ever loaded

  virtual void SetOffline(bool offline) = 0;
  virtual void Navigate(const QString& url) = 0;
  virtual int ReadyState() const = 0;
  virtual HtmlDocument* Document() = 0;  // nullptr before the first navigation completes
  // Copy puts the selection on the clipboard; Select All selects the whole document and raises
  // selectionchange. Neither prompts the user.
  virtual void ExecCopy() = 0;
  virtual void ExecSelectAll() = 0;
};

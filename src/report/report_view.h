#pragma once
// The report pane's behaviour: it opens one blank document when the window loads and keeps it; a
// right-button press pops up the Edit menu instead of the view's own context menu, and Edit >
// Copy is enabled only while report text is selected.

#include "report/html_view.h"
#include "toolkit/toolkit.h"

class ReportView : private HtmlDocumentEvents {
 public:
  // The view used here is ready at once; the bound only keeps a broken view from hanging start-up.
  static constexpr int kReadyTimeoutMs = 5000;

  ReportView(HtmlView& view, toolkit::PopupMenu& editMenu, toolkit::MenuItem& copyItem,
             int readyTimeoutMs = kReadyTimeoutMs);

  // Loads the blank page, waiting for it readyTimeoutMs at most, and keeps its document. Returns
  // false when the view never became ready.
  bool SetUp();
  // The kept document, nullptr before set-up.
  HtmlDocument* Document() const { return htmlDocument_; }

  void mnuEditSelectAll_Click();
  void mnuEditCopy_Click();
  // The Menu key or Shift+F10 over the report pops up the Edit menu as a right-button press does.
  void MenuKey();

 private:
  bool htmlDocument_oncontextmenu() override;
  bool htmlDocument_ondblclick() override;
  void htmlDocument_onmousedown() override;
  void htmlDocument_onmousemove() override;
  void htmlDocument_onselectionchange() override;

  HtmlView& wbPreview_;
  toolkit::PopupMenu& mnuEdit_;
  toolkit::MenuItem& mnuEditCopy_;
  const int readyTimeoutMs_;
  HtmlDocument* htmlDocument_ = nullptr;
};

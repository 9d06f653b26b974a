#include "report/report_view.h"

#include <QDeadlineTimer>

ReportView::ReportView(HtmlView& view, toolkit::PopupMenu& editMenu, toolkit::MenuItem& copyItem,
                       int readyTimeoutMs)
    : wbPreview_(view),
      mnuEdit_(editMenu),
      mnuEditCopy_(copyItem),
      readyTimeoutMs_(readyTimeoutMs) {}

bool ReportView::SetUp() {
  wbPreview_.SetOffline(true);
  wbPreview_.Navigate(HtmlView::kBlankPage);
  const QDeadlineTimer deadline(readyTimeoutMs_);
  while (wbPreview_.ReadyState() != HtmlView::kReadyStateComplete) {
    if (deadline.hasExpired()) return false;
    toolkit::DoEvents();
  }
  htmlDocument_ = wbPreview_.Document();
  if (htmlDocument_ == nullptr) return false;
  htmlDocument_->SetEvents(this);
  return true;
}

void ReportView::mnuEditSelectAll_Click() { wbPreview_.ExecSelectAll(); }

void ReportView::mnuEditCopy_Click() { wbPreview_.ExecCopy(); }

void ReportView::MenuKey() {
  htmlDocument_onselectionchange();
  mnuEdit_.Popup();
}

bool ReportView::htmlDocument_oncontextmenu() { return false; }

bool ReportView::htmlDocument_ondblclick() {
  htmlDocument_onselectionchange();
  return false;
}

void ReportView::htmlDocument_onmousedown() {
  if (toolkit::GetAsyncKeyState(toolkit::vbKeyRButton) != 0) {
    htmlDocument_onselectionchange();
    mnuEdit_.Popup();
  }
}

void ReportView::htmlDocument_onmousemove() { htmlDocument_onselectionchange(); }

void ReportView::htmlDocument_onselectionchange() {
  // The copy-state update: Copy follows whether report text is selected, written only on change.
  const bool selected = !htmlDocument_->SelectionText().isEmpty();
  if (mnuEditCopy_.Enabled() != selected) mnuEditCopy_.SetEnabled(selected);
}

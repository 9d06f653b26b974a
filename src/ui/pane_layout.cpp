// The three panes under the tray share the free height; each can be hidden with its button.

#include <QLayout>
#include <QtMath>
#include <algorithm>

#include "core/tree/factor_tree.h"
#include "toolkit/skip_on_error.h"
#include "ui/frmMain.h"
#include "ui/qt_combo_box_array.h"
#include "ui/qt_command_button.h"
#include "ui/qt_html_view.h"
#include "ui/qt_label_array.h"
#include "ui/qt_picture_box.h"
#include "ui/qt_scroll_bar.h"
#include "ui/qt_text_box.h"

toolkit::Control& frmMain::Pane(int index) {
  switch (index) {
    case 0:
      return *picCanvas_[0];
    case 1:
      return *picCanvas_[1];
    default:
      return *wbPreview_;
  }
}

void frmMain::Form_Resize() {
  if (WindowState() == toolkit::vbMinimized) return;
  // Moving the panes resizes both canvases, and each resize sets up both canvases' bars: the
  // trees are laid out once, when all of it is done.
  tree_->HoldingLayouts([this] { LayOutPanes(); });
}

void frmMain::LayOutPanes() {
  // The window's layout never fails: a step the toolkit refuses, such as a pane move with the
  // negative height of a very short window, is skipped and leaves that pane as it was.
  bool shown[3] = {false, false, false};
  for (int i = 0; i < 3; ++i) SkipOnError([&] { shown[i] = Pane(i).Visible(); });
  float width = 0, height = 0, trayHeight = 0, buttonHeight = 0;
  SkipOnError([&] { width = static_cast<float>(ScaleWidth()); });
  SkipOnError([&] { height = static_cast<float>(ScaleHeight()); });
  SkipOnError([&] { trayHeight = static_cast<float>(picTray_->ScaleHeight()); });
  SkipOnError([&] { buttonHeight = static_cast<float>(cmdStatus_[0]->Height()); });
  // The height left for the panes once the tray and the three buttons have theirs.
  const float freeHeight = height - trayHeight - 3 * buttonHeight;
  const int shownCount = shown[0] + shown[1] + shown[2];
  const float paneHeight = shownCount > 0 ? freeHeight / static_cast<float>(shownCount) : 0;

  // Top to bottom: each button, then its pane if shown.
  float buttonTop[3], paneTop[3];
  float top = trayHeight;
  for (int i = 0; i < 3; ++i) {
    buttonTop[i] = top;
    top += buttonHeight;
    if (shown[i]) {
      paneTop[i] = top;
      top += paneHeight;
    }
  }
  for (int i = 0; i < 3; ++i) SkipOnError([&] { cmdStatus_[i]->Move(0, buttonTop[i]); });
  for (int i = 0; i < 3; ++i) {
    if (shown[i]) SkipOnError([&] { Pane(i).Move(0, paneTop[i], width, paneHeight); });
  }
}

void frmMain::cmdStatus_Click(int index) {
  if (index >= 0 && index <= 2) {
    const bool hide = Pane(index).Visible();
    Pane(index).SetVisible(!hide);
    cmdStatus_[index]->SetCaption(hide ? tr("Show") : tr("Hide"));
    NamePaneButton(index);
    KeepPanesInside();
  }
  Form_Resize();
}

void frmMain::KeepPanesInside() {
  // The widest of what the window must show: the tray up to the entry box's right edge, or a
  // canvas with one node box beside its vertical bar, each with a border's room.
  constexpr double kBorder = 60;
  const double width = std::max(txtPrimFact_[1]->Left() + txtPrimFact_[1]->Width(),
                                cmbPrimFact_->Item(1).Width() + vsScroll_[0]->Width()) +
                       kBorder;
  // Each shown pane gets as much as every other: all of them take the tallest one's need, a
  // canvas's node and horizontal bar.
  const double pane = std::max(cmbPrimFact_->Item(1).Height() + hsScroll_[0]->Height(),
                               lblPrimFact_->Item(1).Height() + hsScroll_[1]->Height()) +
                      kBorder;
  int shown = 0;
  for (int i = 0; i < 3; ++i) shown += Pane(i).Visible() ? 1 : 0;
  const double height = picTray_->Height() + 3 * cmdStatus_[0]->Height() + shown * pane;
  inner_->setMinimumSize(qCeil(width / toolkit::kTwipsPerPixel),
                         qCeil(height / toolkit::kTwipsPerPixel));
  // The window takes its new minimum now, not when its layout next runs.
  layout()->activate();
}

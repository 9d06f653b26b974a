// The three panes under the tray share the free height; each can be hidden with its button.

#include "core/tree/skip_on_error.h"
#include "ui/frmMain.h"
#include "ui/qt_controls.h"
#include "ui/qt_html_view.h"

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
  if (WindowState() == vbMinimized) return;

  // The window's layout never fails: a step the toolkit refuses, such as a pane move with the
  // negative height of a very short window, is skipped and leaves that pane as it was.
  bool shown[3] = {false, false, false};
  for (int i = 0; i < 3; ++i) SkipOnError([&] { shown[i] = Pane(i).Visible(); });
  float W = 0, S = 0, T = 0, H = 0;
  SkipOnError([&] { W = static_cast<float>(ScaleWidth()); });
  SkipOnError([&] { S = static_cast<float>(ScaleHeight()); });
  SkipOnError([&] { T = static_cast<float>(picTray_->ScaleHeight()); });
  SkipOnError([&] { H = static_cast<float>(cmdStatus_[0]->Height()); });
  const float F = S - T - 3 * H;
  const int v = shown[0] + shown[1] + shown[2];
  const float P = v > 0 ? F / static_cast<float>(v) : 0;

  float buttonTop[3], paneTop[3];
  float y = T;
  for (int i = 0; i < 3; ++i) {
    buttonTop[i] = y;
    y += H;
    if (shown[i]) {
      paneTop[i] = y;
      y += P;
    }
  }
  for (int i = 0; i < 3; ++i) SkipOnError([&] { cmdStatus_[i]->Move(0, buttonTop[i]); });
  for (int i = 0; i < 3; ++i) {
    if (shown[i]) SkipOnError([&] { Pane(i).Move(0, paneTop[i], W, P); });
  }
}

void frmMain::cmdStatus_Click(int index) {
  if (index >= 0 && index <= 2) {
    const bool hide = cmdStatus_[index]->Caption() == "Hide";
    cmdStatus_[index]->SetCaption(hide ? "Show" : "Hide");
    Pane(index).SetVisible(!hide);
  }
  Form_Resize();
}

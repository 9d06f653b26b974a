// The scroll bars of the two tree canvases: enabled only when the tree needs more room than the
// canvas shows; moving them, or resizing a canvas, lays the trees out again.

#include "core/tree/node_controls.h"
#include "core/tree/skip_on_error.h"
#include "ui/frmMain.h"
#include "ui/qt_controls.h"

namespace {

// A page step of a fifth of the range, at least 1.
int PageStep(int max) {
  const double fifth = max * 0.2;
  return fifth < 1 ? 1 : modMain::RoundToInt(fifth);
}

}  // namespace

void frmMain::SetupCanvasScroll(int i) {
  toolkit::PictureBox& canvas = picCanvas(i);
  toolkit::PictureBox& corner = *picScroll_[i];
  toolkit::ScrollBar& hs = hsScroll(i);
  toolkit::ScrollBar& vs = vsScroll(i);
  // Sizes are read afresh in every step, since a step can lay the trees out on the way.
  auto W = [&] { return static_cast<float>(canvas.ScaleWidth()); };
  auto H = [&] { return static_cast<float>(canvas.ScaleHeight()); };
  auto bw = [&] { return static_cast<float>(vs.Width()); };
  auto bh = [&] { return static_cast<float>(hs.Height()); };

  SkipOnError([&] { corner.Move(W() - corner.Width(), H() - corner.Height(), bw(), bh()); });
  SkipOnError([&] { hs.Move(0, H() - bh(), W() - bw(), bh()); });
  SkipOnError([&] { hs.SetEnabled(bw() + model.contentWidth[i] > W()); });
  SkipOnError([&] { vs.Move(W() - bw(), 0, bw(), H() - bh()); });
  SkipOnError([&] { vs.SetEnabled(bh() + model.contentHeight[i] > H()); });
  SkipOnError([&] { hs.SetValue(0); });
  if (hs.Enabled()) {
    SkipOnError([&] { hs.SetMax(modMain::RoundToInt(model.contentWidth[i] - W() + bw())); });
    SkipOnError([&] { hs.SetSmallChange(1); });
    SkipOnError([&] { hs.SetLargeChange(PageStep(hs.Max())); });
    // The view starts at the middle of the tree, where the root is.
    SkipOnError([&] {
      if (hs.Max() > 1) hs.SetValue(modMain::RoundToInt(hs.Max() / 2.0));
    });
  }
  SkipOnError([&] { vs.SetValue(0); });
  if (vs.Enabled()) {
    SkipOnError([&] { vs.SetMax(modMain::RoundToInt(model.contentHeight[i] - H() + bh())); });
    SkipOnError([&] { vs.SetSmallChange(1); });
    SkipOnError([&] { vs.SetLargeChange(PageStep(vs.Max())); });
  }
}

void frmMain::hsScroll_Change(int index) {
  if (hsScroll(index).Max() > 0) LayoutTree();
}

void frmMain::vsScroll_Change(int index) {
  if (vsScroll(index).Max() > 0) LayoutTree();
}

void frmMain::picCanvas_Resize(int) {
  if (WindowState() == vbMinimized) return;
  SetupCanvasScroll(0);
  SetupCanvasScroll(1);
  if (!(model.nodeValue(1) > 1)) {
    // No tree: the number box waits centred one combo box below the top.
    txtPrimFact(0).Move(
        (picCanvas(0).ScaleWidth() - txtPrimFact(0).Width() - vsScroll(0).Width()) / 2,
        cmbPrimFact().Item(1).Height());
    lblPrimFact().Item(1).SetVisible(false);
  } else if (model.entryIsPrime || model.entryTooDeep) {
    CentreLoneRoot();
  } else {
    LayoutTree();
  }
}

// The scroll bars of the two tree canvases: enabled only when the tree needs more room than the
// canvas shows; moving them, or resizing a canvas, lays the trees out again.

#include "core/tree/tree_form.h"
#include "toolkit/rounding.h"
#include "toolkit/skip_on_error.h"

namespace {

// A page step of a fifth of the range, at least 1.
int PageStep(int max) {
  const double fifth = max * 0.2;
  return fifth < 1 ? 1 : toolkit::RoundToInt(fifth);
}

}  // namespace

void TreeForm::SetupCanvasScroll(int canvas) {
  toolkit::PictureBox& corner = picScroll(canvas);
  toolkit::ScrollBar& hs = hsScroll(canvas);
  toolkit::ScrollBar& vs = vsScroll(canvas);
  // W × H: the canvas's inner size; bw: the vertical bar's width; bh: the horizontal bar's height.
  // They and the content sizes are read afresh in every step, since a step can lay the trees out,
  // or even refresh them, on the way.
  auto W = [&] { return static_cast<float>(picCanvas(canvas).ScaleWidth()); };
  auto H = [&] { return static_cast<float>(picCanvas(canvas).ScaleHeight()); };
  auto bw = [&] { return static_cast<float>(vs.Width()); };
  auto bh = [&] { return static_cast<float>(hs.Height()); };

  SkipOnError([&] { corner.Move(W() - corner.Width(), H() - corner.Height(), bw(), bh()); });
  SkipOnError([&] { hs.Move(0, H() - bh(), W() - bw(), bh()); });
  SkipOnError([&] { hs.SetEnabled(bw() + model.contentWidth[canvas] > W()); });
  SkipOnError([&] { vs.Move(W() - bw(), 0, bw(), H() - bh()); });
  SkipOnError([&] { vs.SetEnabled(bh() + model.contentHeight[canvas] > H()); });
  SkipOnError([&] { hs.SetValue(0); });
  if (hs.Enabled()) {
    SkipOnError([&] { hs.SetMax(toolkit::RoundToInt(model.contentWidth[canvas] - W() + bw())); });
    SkipOnError([&] { hs.SetSmallChange(1); });
    SkipOnError([&] { hs.SetLargeChange(PageStep(hs.Max())); });
    // The view starts at the middle of the tree, where the root is.
    SkipOnError([&] {
      if (hs.Max() > 1) hs.SetValue(toolkit::RoundToInt(hs.Max() / 2.0));
    });
  }
  SkipOnError([&] { vs.SetValue(0); });
  if (vs.Enabled()) {
    SkipOnError([&] { vs.SetMax(toolkit::RoundToInt(model.contentHeight[canvas] - H() + bh())); });
    SkipOnError([&] { vs.SetSmallChange(1); });
    SkipOnError([&] { vs.SetLargeChange(PageStep(vs.Max())); });
  }
}

void TreeForm::hsScroll_Change(int index) {
  if (hsScroll(index).Max() > 0) LayoutTree();
}

void TreeForm::vsScroll_Change(int index) {
  if (vsScroll(index).Max() > 0) LayoutTree();
}

void TreeForm::picCanvas_Resize(int) {
  if (WindowState() == toolkit::vbMinimized) return;
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

// The layout of both trees: combo boxes on canvas 0, with the root box standing in for the root's,
// and labels on canvas 1, each centred in its slot, joined by red lines.

#include <QLocale>
#include <cmath>

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/number_text.h"
#include "core/tree/node_controls.h"
#include "core/tree/skip_on_error.h"
#include "core/tree/tree_form.h"

namespace {

// Where one node control goes on a canvas whose tree starts at (offX, offY).
struct Slot {
  double left;
  double top;
};

Slot NodeSlot(double node, double levelCount, double unitWidth, double width, double pitch,
              double offX, double offY) {
  const int level = tree::NodeLevel(node);
  const double position = node - std::pow(2.0, level);
  const double slotWidth = unitWidth * std::pow(2.0, levelCount - level - 1);
  return {offX + position * slotWidth + (slotWidth - width) / 2, offY + level * pitch};
}

double ParentOf(double node) { return modMain::DMod(node, 2) == 0 ? node / 2 : (node - 1) / 2; }

}  // namespace

void TreeForm::LayoutTree() {
  // The root is placed last: writing its text into the root box can start a whole nested refresh,
  // which then finds every other node already placed and leaves this walk nothing to finish.
  SkipOnError([&] {
    double n = 1;
    do {
      n = NextNode(n);
      PlaceNode(n);
    } while (n > 1);
  });
  SkipOnError([&] { picCanvas(0).Cls(); });
  DrawTreeLines(0, cmbPrimFact(), 3, 2);
  SkipOnError([&] { picCanvas(1).Cls(); });
  DrawTreeLines(1, lblPrimFact(), 1.5, 1);
}

void TreeForm::PlaceNode(double n) {
  // The horizontal origin of canvas k: a tree narrower than its canvas (bar disabled) is
  // centred, a wider one starts at the left edge and moves with the bar.
  auto offX = [&](int k) {
    const double centring =
        hsScroll(k).Enabled() ? 0 : (picCanvas(k).ScaleWidth() - model.contentWidth[k]) / 2;
    return -hsScroll(k).Value() + centring;
  };
  const double levels = model.levelCount;
  bool prime = false;
  int x = 0;
  double w0 = 0, h = 0, ox = 0, oy = 0;

  SkipOnError([&] {
    x = modMain::RoundToInt(modMain::IndexOfNode(cmbPrimFact(), n));
    w0 = cmbPrimFact().Item(1).Width();
    h = cmbPrimFact().Item(1).Height();
    ox = offX(0);
    oy = h - vsScroll(0).Value();
  });
  if (n == 1) {
    SkipOnError([&] {
      const Slot slot = NodeSlot(n, levels, w0, w0, 3 * h, ox, oy);
      txtPrimFact(0).Move(slot.left, slot.top);
    });
    SkipOnError([&] { txtPrimFact(0).SetText(modMain::PlainText(model.nodeValue(1))); });
  }
  SkipOnError([&] { prime = modMain::IsPrime(model.nodeValue(n)); });
  SkipOnError([&] { cmbPrimFact().Item(x).SetBackColor(prime ? kYellow : kWhite); });
  SkipOnError([&] {
    toolkit::ComboBox& combo = cmbPrimFact().Item(x);
    const Slot slot = NodeSlot(n, levels, w0, combo.Width(), 3 * h, ox, oy);
    combo.Move(slot.left, slot.top);
  });
  SkipOnError([&] { cmbPrimFact().Item(x).SetVisible(n != 1); });

  x = 0;
  SkipOnError([&] {
    x = modMain::RoundToInt(modMain::IndexOfNode(lblPrimFact(), n));
    w0 = lblPrimFact().Item(x).Width();
    h = lblPrimFact().Item(1).Height();
    ox = offX(1);
    oy = h - vsScroll(1).Value();
  });
  SkipOnError([&] { lblPrimFact().Item(x).SetForeColor(prime ? kBlue : kBlack); });
  SkipOnError([&] {
    lblPrimFact().Item(x).SetCaption(modMain::GroupedText(model.nodeValue(n), QLocale()));
  });
  SkipOnError([&] {
    toolkit::Label& label = lblPrimFact().Item(x);
    const Slot slot = NodeSlot(n, levels, w0, label.Width(), 1.5 * h, ox, oy);
    label.Move(slot.left, slot.top);
  });
  SkipOnError([&] { lblPrimFact().Item(x).SetVisible(true); });
}

void TreeForm::DrawTreeLines(int k, toolkit::ControlArray& nodes, double pitchFactor,
                             int penWidth) {
  for (const int index : nodes.Indices()) {
    SkipOnError([&] {
      const double n = modMain::NodeOfIndex(nodes, index);
      if (n <= 1) return;
      const toolkit::Control& node =
          nodes.Element(modMain::RoundToInt(modMain::IndexOfNode(nodes, n)));
      if (!node.Visible()) return;
      const toolkit::Control& parent =
          nodes.Element(modMain::RoundToInt(modMain::IndexOfNode(nodes, ParentOf(n))));
      const double h = nodes.Element(1).Height();
      const double pitch = pitchFactor * h;
      const double offY = h - vsScroll(k).Value();
      const int level = tree::NodeLevel(n);
      // From the parent's bottom edge to the child's top edge; every control of a tree has one
      // width, so half the child's width finds the parent's middle too.
      modMain::DrawSegment(picCanvas(k), parent.Left() + node.Width() / 2,
                           offY + (level - 1) * pitch + h, node.Left() + node.Width() / 2,
                           offY + level * pitch, kRed, penWidth);
    });
  }
}

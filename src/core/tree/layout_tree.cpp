// The layout of both trees: combo boxes on canvas 0, with the root box standing in for the root's,
// and labels on canvas 1, each centred in its slot, joined by red lines.

#include <QLocale>
#include <cmath>

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/number_text.h"
#include "core/tree/node_controls.h"
#include "core/tree/tree_form.h"
#include "toolkit/skip_on_error.h"

namespace {

// Where one node control goes on a canvas whose tree starts at (originX, originY): centred in
// its slot, the slots of a level sharing the tree's width, `levelPitch` apart from level to level.
struct Slot {
  double left;
  double top;
};

Slot NodeSlot(double node, double levelCount, double unitWidth, double width, double levelPitch,
              double originX, double originY) {
  const int level = tree::NodeLevel(node);
  const double position = node - std::pow(2.0, level);
  const double slotWidth = unitWidth * std::pow(2.0, levelCount - level - 1);
  return {originX + position * slotWidth + (slotWidth - width) / 2, originY + level * levelPitch};
}

}  // namespace

void TreeForm::LayoutTree() {
  if (!model.treeReady) return;
  // The root is placed last: writing its text into the root box can start a whole nested refresh,
  // which then finds every other node already placed and leaves this walk nothing to finish.
  SkipOnError([&] {
    double node = 1;
    do {
      node = NextNode(node);
      PlaceNode(node);
    } while (node > 1);
  });
  SkipOnError([&] { picCanvas(0).Cls(); });
  DrawTreeLines(0, cmbPrimFact(), comboNodes_, kComboLevelPitch, 2);
  SkipOnError([&] { picCanvas(1).Cls(); });
  DrawTreeLines(1, lblPrimFact(), labelNodes_, kLabelLevelPitch, 1);
}

void TreeForm::PlaceNode(double node) {
  // The horizontal origin of canvas k: a tree narrower than its canvas (bar disabled) is
  // centred, a wider one starts at the left edge and moves with the bar.
  auto originX = [&](int k) {
    const double centring =
        hsScroll(k).Enabled() ? 0 : (picCanvas(k).ScaleWidth() - model.contentWidth[k]) / 2;
    return -hsScroll(k).Value() + centring;
  };
  const double levels = model.levelCount;
  bool prime = false;
  // The node's element in the array being placed; 0, which no array has, when it has none.
  int element = comboNodes_.ElementOf(node);
  double unitWidth = 0, nodeHeight = 0, left = 0, top = 0;

  SkipOnError([&] {
    unitWidth = cmbPrimFact().Item(1).Width();
    nodeHeight = cmbPrimFact().Item(1).Height();
    left = originX(0);
    top = nodeHeight - vsScroll(0).Value();
  });
  const double comboPitch = kComboLevelPitch * nodeHeight;
  if (node == 1) {
    SkipOnError([&] {
      const Slot slot = NodeSlot(node, levels, unitWidth, unitWidth, comboPitch, left, top);
      txtPrimFact(0).Move(slot.left, slot.top);
    });
    SkipOnError([&] { txtPrimFact(0).SetText(modMain::PlainText(model.nodeValue(1))); });
  }
  SkipOnError([&] { prime = modMain::IsPrime(model.nodeValue(node)); });
  SkipOnError([&] { cmbPrimFact().Item(element).SetBackColor(prime ? kYellow : kWhite); });
  SkipOnError([&] {
    toolkit::ComboBox& combo = cmbPrimFact().Item(element);
    const Slot slot = NodeSlot(node, levels, unitWidth, combo.Width(), comboPitch, left, top);
    combo.Move(slot.left, slot.top);
  });
  SkipOnError([&] { cmbPrimFact().Item(element).SetVisible(node != 1); });

  element = labelNodes_.ElementOf(node);
  SkipOnError([&] {
    unitWidth = lblPrimFact().Item(element).Width();
    nodeHeight = lblPrimFact().Item(1).Height();
    left = originX(1);
    top = nodeHeight - vsScroll(1).Value();
  });
  const double labelPitch = kLabelLevelPitch * nodeHeight;
  SkipOnError([&] { lblPrimFact().Item(element).SetForeColor(prime ? kBlue : kBlack); });
  SkipOnError([&] {
    lblPrimFact().Item(element).SetCaption(modMain::GroupedText(model.nodeValue(node), QLocale()));
  });
  SkipOnError([&] {
    toolkit::Label& label = lblPrimFact().Item(element);
    const Slot slot = NodeSlot(node, levels, unitWidth, label.Width(), labelPitch, left, top);
    label.Move(slot.left, slot.top);
  });
  SkipOnError([&] { lblPrimFact().Item(element).SetVisible(true); });
}

void TreeForm::DrawTreeLines(int canvas, toolkit::ControlArray& nodes,
                             const modMain::NodeIndex& index, double levelPitch, int penWidth) {
  for (const int element : nodes.Indices()) {
    SkipOnError([&] {
      // Elements of nodes no longer in the tree stay loaded, hidden: they cost a glance each.
      const toolkit::Control& child = nodes.Element(element);
      if (!child.Visible()) return;
      const double node = index.NodeOf(element);
      if (node <= 1) return;
      const toolkit::Control& parent = nodes.Element(index.ElementOf(tree::ParentNode(node)));
      const double nodeHeight = nodes.Element(1).Height();
      const double pitch = levelPitch * nodeHeight;
      const double top = nodeHeight - vsScroll(canvas).Value();
      const int level = tree::NodeLevel(node);
      // From the parent's bottom edge to the child's top edge; every control of a tree has one
      // width, so half the child's width finds the parent's middle too.
      modMain::DrawSegment(picCanvas(canvas), parent.Left() + child.Width() / 2,
                           top + (level - 1) * pitch + nodeHeight, child.Left() + child.Width() / 2,
                           top + level * pitch, kRed, penWidth);
    });
  }
}

#include "core/tree/factor_tree.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/number_text.h"
#include "core/arithmetic/prime_factors.h"
#include "core/tree/node_choices.h"
#include "core/tree/tree_layout.h"
#include "report/html_view.h"
#include "report/report_text.h"
#include "toolkit/skip_on_error.h"

namespace {

// The digit of the locale that measures widest in a label's font, and its width.
struct WidestDigit {
  QString digit;
  double width = -1;
};

WidestDigit WidestDigitOf(const toolkit::Label& label) {
  WidestDigit widest;
  for (int d = 0; d <= 9; ++d) {
    const QString digit = QLocale().toString(d);
    const double width = label.TextWidth(digit);
    if (width > widest.width) widest = {digit, width};
  }
  return widest;
}

// No caption of a divisor of the entry is wider than the entry's own with every digit written as
// the widest digit: a divisor has no more digits, nor more group separators.
double WidestCaptionWidth(const toolkit::Label& label, const WidestDigit& widest, QString caption) {
  for (int d = 0; d <= 9; ++d) caption.replace(QLocale().toString(d), widest.digit);
  return label.TextWidth(caption);
}

// The node after `node` in the walk of the current tree, given whether `node` is prime: 1 or
// less after the last.
double NextNode(double node, bool prime) {
  if (!prime) return 2 * node;
  const bool wasOdd = !tree::IsEvenNode(node);
  node = node + 1;
  if (wasOdd) {
    // Climb to the nearest ancestor that is an even child; its odd sibling comes next.
    do {
      node = node / 2;
    } while (tree::IsEvenNode(node) && node > 0);
  }
  return node;
}

}  // namespace

FactorTree::FactorTree(const TreeControls& controls) : c_(controls) {}

// The number entry ------------------------------------------------------------------------------

void FactorTree::txtPrimFact_KeyPress(int, int& keyAscii) {
  if (keyAscii != toolkit::vbKeyBack && (keyAscii < '0' || keyAscii > '9')) keyAscii = 0;
}

void FactorTree::txtPrimFact_Change(int index) {
  const QString text = txtPrimFact(index).Text();
  if (!modMain::IsPlainDigits(text.trimmed())) return;
  if (writingBack_ && QLocale().toDouble(text.trimmed()) == model_.nodeValue(1)) {
    // Both boxes show the number again, and the choices made in its tree stay.
    txtPrimFact(1 - index).SetText(text);
    return;
  }
  if (index != 1) {
    // The root box was edited on the canvas: the entry box takes the text and starts the work.
    txtPrimFact(1).SetText(text);
    return;
  }
  txtPrimFact(0).SetText(text);
  const double entry = QLocale().toDouble(text.trimmed());
  model_.nodeValue(1) = entry;
  model_.hasEntry = true;
  model_.entryIsPrime = modMain::IsPrime(entry);
  // Accepted entries are whole numbers below 10^15.
  model_.entryFactors = modMain::PrimeFactors(static_cast<std::uint64_t>(entry));
  // A tree built with the default split has a level for every prime factor.
  model_.entryTooDeep = model_.entryFactors.size() > tree::kMaxLevels;

  // Every label takes over the root label's width, so size it to the widest caption of the new
  // tree (the root's, or a divisor's with as many digits that measures wider) and a digit's width
  // more, so that the captions of neighbouring labels never run together.
  toolkit::Label& rootLabel = c_.lblPrimFact.Item(1);
  const QString caption = modMain::GroupedText(entry, QLocale());
  rootLabel.SetCaption(caption);
  rootLabel.SetAutoSize(true);
  rootLabel.SetAutoSize(false);
  const WidestDigit widest = WidestDigitOf(rootLabel);
  digitWidth_ = widest.width;
  rootLabel.SetWidth(std::max(rootLabel.Width(), WidestCaptionWidth(rootLabel, widest, caption)) +
                     widest.width);

  comboNodes_.UnloadAll(c_.cmbPrimFact);
  labelNodes_.UnloadAll(c_.lblPrimFact);
  RefreshFactorization(1);
}

// The refresh ------------------------------------------------------------------------------------

void FactorTree::RefreshFactorization(double startNode) {
  // The bars are reset and set up below before the new tree is known: no layout until it is.
  model_.treeReady = false;
  model_.walk.clear();
  // Start from an empty view.
  SkipOnError([&] { picCanvas(0).Cls(); });
  SkipOnError([&] { picCanvas(1).Cls(); });
  toolkit::ControlArray* arrays[] = {&c_.cmbPrimFact, &c_.lblPrimFact};
  for (toolkit::ControlArray* nodes : arrays) {
    for (const int index : nodes->Indices()) {
      SkipOnError([&] { nodes->Element(index).SetVisible(false); });
    }
  }
  toolkit::ScrollBar* bars[] = {&hsScroll(0), &vsScroll(0), &hsScroll(1), &vsScroll(1)};
  for (toolkit::ScrollBar* bar : bars) SkipOnError([&] { bar->SetMax(0); });
  for (toolkit::ScrollBar* bar : bars) SkipOnError([&] { bar->SetValue(0); });
  for (int k = 0; k < 2; ++k) model_.contentWidth[k] = model_.contentHeight[k] = 0;
  SkipOnError([&] { SetupCanvasScroll(0); });
  SkipOnError([&] { SetupCanvasScroll(1); });

  const double entry = model_.nodeValue(1);
  if (entry > 1) {
    model_.levelCount = 1;
    if (model_.entryIsPrime) {
      model_.walk = {{1, true}};
      CentreLoneRoot();
    } else {
      WalkTree(startNode);
      LayOutNewTree();
    }
  }
  SkipOnError([&] { WriteReport(report::ReportText(entry, model_.entryFactors, QLocale())); });
}

void FactorTree::WalkTree(double startNode) {
  if (!tree::IsEvenNode(startNode) && startNode > 1) {
    // The choice was made at an odd child: its even sibling takes the complementary factor.
    SkipOnError([&] {
      model_.nodeValue(startNode - 1) =
          model_.nodeValue(tree::ParentNode(startNode)) / model_.nodeValue(startNode);
    });
  }
  // A walk that would run past the node table ends there.
  SkipOnError([&] {
    model_.walk = {{1, false}};
    for (double node = NextNode(1, false); node > 1;
         node = NextNode(node, model_.walk.back().prime)) {
      VisitNode(node, startNode);
      model_.walk.push_back({node, modMain::IsPrime(model_.nodeValue(node))});
    }
  });
}

void FactorTree::VisitNode(double node, double startNode) {
  SkipOnError([&] { labelNodes_.Ensure(c_.lblPrimFact, node); });
  SkipOnError([&] { comboNodes_.Ensure(c_.cmbPrimFact, node); });
  const double parent = tree::ParentNode(node);
  if (node > startNode) {
    SkipOnError([&] {
      const double parentValue = model_.nodeValue(parent);
      // The walk goes below composite nodes only, whose smallest factor is their first.
      model_.nodeValue(node) = tree::IsEvenNode(node)
                                   ? parentValue / SmallestFactorOf(parentValue)
                                   : parentValue / model_.nodeValue(node - 1);
    });
    SkipOnError([&] { FillNodeChoices(node, model_.nodeValue(node), model_.nodeValue(parent)); });
  } else if (node == startNode - 1 && tree::IsEvenNode(node)) {
    // The even sibling of an odd chosen node took a new value: its list is filled anew.
    SkipOnError([&] { FillNodeChoices(node, model_.nodeValue(node), model_.nodeValue(parent)); });
  }
  model_.levelCount = std::max(model_.levelCount, tree::NodeLevel(node) + 1.0);
}

void FactorTree::LayOutNewTree() {
  SizeContent();
  SkipOnError([&] { SetupCanvasScroll(0); });
  SkipOnError([&] { SetupCanvasScroll(1); });
  // Laid out once, with the bars' final values, not once more for every bar the set-up moved.
  model_.treeReady = true;
  SkipOnError([&] { LayoutTree(); });
}

void FactorTree::SizeContent() {
  const double levels = model_.levelCount;
  if (LaidOutCompactly()) {
    // One node height of margin above the root and below the lowest level, as described.
    const CompactColumns columns = CompactColumnsOf(model_.walk);
    const double root = columns.middles.empty() ? 0 : columns.middles[0];
    SkipOnError([&] {
      const toolkit::ComboBox& combo = c_.cmbPrimFact.Item(1);
      const double pitch = combo.Width() + CompactGap(0, combo.Height());
      model_.contentWidth[0] = static_cast<float>(columns.count * pitch);
      model_.rootMiddle[0] = static_cast<float>(root * pitch);
      model_.contentHeight[0] =
          static_cast<float>(combo.Height() * (kCompactComboLevelPitch * (levels - 1) + 3));
    });
    SkipOnError([&] {
      const toolkit::Label& label = c_.lblPrimFact.Item(1);
      const double pitch = label.Width() + CompactGap(1, 0);
      model_.contentWidth[1] = static_cast<float>(columns.count * pitch);
      model_.rootMiddle[1] = static_cast<float>(root * pitch);
      model_.contentHeight[1] =
          static_cast<float>(label.Height() * (kCompactLabelLevelPitch * (levels - 1) + 3));
    });
    return;
  }
  const double columns = std::pow(2.0, levels - 1);
  SkipOnError([&] {
    const toolkit::ComboBox& combo = c_.cmbPrimFact.Item(1);
    model_.contentWidth[0] = static_cast<float>(columns * combo.Width() + 2);
    // One node height of margin below the lowest level, so all of it can be scrolled into view.
    model_.contentHeight[0] = static_cast<float>(combo.Height() * kComboLevelPitch * levels);
  });
  SkipOnError([&] {
    const toolkit::Label& label = c_.lblPrimFact.Item(1);
    model_.contentWidth[1] = static_cast<float>(columns * label.Width() + 2);
    model_.contentHeight[1] = static_cast<float>(label.Height() * levels * kLabelLevelPitch + 4);
  });
}

void FactorTree::CentreLoneRoot() {
  SkipOnError([&] {
    txtPrimFact(0).Move((picCanvas(0).ScaleWidth() - c_.cmbPrimFact.Item(1).Width()) / 2,
                        txtPrimFact(0).Top());
  });
  SkipOnError([&] {
    toolkit::Label& label = c_.lblPrimFact.Item(1);
    label.Move((picCanvas(1).ScaleWidth() - label.Width()) / 2, label.Top());
  });
}

void FactorTree::WriteReport(const QString& text) {
  // Each step fetches the body anew: the document is kept for the window's lifetime and never
  // replaced, so the font settings stay between reports.
  auto body = [this]() -> HtmlDocument& {
    if (HtmlDocument* document = c_.reportDocument()) return *document;
    throw toolkit::Refused("the report view is not set up");
  };
  SkipOnError([&] { body().SetBodyFontFamily("Arial"); });
  SkipOnError([&] { body().SetBodyFontSize("15px"); });
  SkipOnError([&] { body().SetBodyInnerHtml(text); });
}

// The layout -------------------------------------------------------------------------------------

void FactorTree::LayoutTree() {
  if (!model_.treeReady) return;
  // The root is placed last: writing its text into the root box can start a whole nested refresh,
  // which then finds every other node already placed and leaves this walk nothing to finish. The
  // walk is copied for that refresh to replace.
  const std::vector<tree::WalkedNode> walk = model_.walk;
  const std::vector<double> middles =
      LaidOutCompactly() ? CompactColumnsOf(walk).middles : std::vector<double>(walk.size());
  SkipOnError([&] {
    for (std::size_t i = 1; i < walk.size(); ++i) PlaceNode(walk[i], middles[i]);
    PlaceNode(walk.at(0), middles.at(0));
  });
  SkipOnError([&] { picCanvas(0).Cls(); });
  DrawTreeLines(0, c_.cmbPrimFact, comboNodes_, 2);
  SkipOnError([&] { picCanvas(1).Cls(); });
  DrawTreeLines(1, c_.lblPrimFact, labelNodes_, 1);
}

void FactorTree::SetCompact(bool on) {
  if (compact_ == on) return;
  compact_ = on;
  // A tree too deep for the described layout is compact in either view.
  if (!model_.treeReady || model_.entryTooDeep) return;
  HoldingLayouts([this] {
    SizeContent();
    SkipOnError([&] { SetupCanvasScroll(0); });
    SkipOnError([&] { SetupCanvasScroll(1); });
    RequestLayout();
  });
}

double FactorTree::LevelPitch(int canvas) const {
  if (LaidOutCompactly()) return canvas == 0 ? kCompactComboLevelPitch : kCompactLabelLevelPitch;
  return canvas == 0 ? kComboLevelPitch : kLabelLevelPitch;
}

double FactorTree::CompactGap(int canvas, double nodeHeight) const {
  return canvas == 0 ? kCompactComboGap * nodeHeight : digitWidth_;
}

Slot FactorTree::NodePlace(int canvas, double node, double middle, double unitWidth, double width,
                           double nodeHeight, double originX, double originY) const {
  const double pitch = LevelPitch(canvas) * nodeHeight;
  if (!LaidOutCompactly()) {
    return NodeSlot(node, model_.levelCount, unitWidth, width, pitch, originX, originY);
  }
  return CompactSlot(middle, tree::NodeLevel(node), unitWidth + CompactGap(canvas, nodeHeight),
                     width, pitch, originX, originY);
}

TreeDrawing FactorTree::Drawing(int canvas) const {
  TreeDrawing drawing;
  if (!model_.treeReady) return drawing;
  const toolkit::Control& unit =
      canvas == 0 ? static_cast<toolkit::Control&>(c_.cmbPrimFact.Item(1)) : c_.lblPrimFact.Item(1);
  drawing.width = model_.contentWidth[canvas];
  drawing.height = model_.contentHeight[canvas];
  drawing.nodeWidth = unit.Width();
  drawing.nodeHeight = unit.Height();
  const std::vector<double> middles = LaidOutCompactly() ? CompactColumnsOf(model_.walk).middles
                                                         : std::vector<double>(model_.walk.size());
  for (std::size_t i = 0; i < model_.walk.size(); ++i) {
    const tree::WalkedNode& node = model_.walk[i];
    const Slot slot = NodePlace(canvas, node.id, middles[i], drawing.nodeWidth, drawing.nodeWidth,
                                drawing.nodeHeight, 0, drawing.nodeHeight);
    drawing.nodes.push_back({node.id, model_.nodeValue(node.id), node.prime, slot.left, slot.top});
  }
  return drawing;
}

void FactorTree::PlaceNode(const tree::WalkedNode& walked, double middle) {
  const double node = walked.id;
  const bool prime = walked.prime;
  // The horizontal origin of canvas k: a tree narrower than its canvas (bar disabled) is
  // centred, a wider one starts at the left edge and moves with the bar.
  auto originX = [&](int k) {
    const double centring =
        hsScroll(k).Enabled() ? 0 : (picCanvas(k).ScaleWidth() - model_.contentWidth[k]) / 2;
    return -hsScroll(k).Value() + centring;
  };
  // The node's element in the array being placed; 0, which no array has, when it has none.
  int element = comboNodes_.ElementOf(node);
  double unitWidth = 0, nodeHeight = 0, left = 0, top = 0;

  SkipOnError([&] {
    unitWidth = c_.cmbPrimFact.Item(1).Width();
    nodeHeight = c_.cmbPrimFact.Item(1).Height();
    left = originX(0);
    top = nodeHeight - vsScroll(0).Value();
  });
  if (node == 1) {
    SkipOnError([&] {
      const Slot slot = NodePlace(0, node, middle, unitWidth, unitWidth, nodeHeight, left, top);
      txtPrimFact(0).Move(slot.left, slot.top);
    });
    SkipOnError([&] {
      writingBack_ = true;
      try {
        txtPrimFact(0).SetText(modMain::PlainText(model_.nodeValue(1)));
      } catch (...) {
        writingBack_ = false;
        throw;
      }
      writingBack_ = false;
    });
  }
  SkipOnError([&] { c_.cmbPrimFact.Item(element).SetBackColor(prime ? kYellow : kWhite); });
  SkipOnError([&] {
    toolkit::ComboBox& combo = c_.cmbPrimFact.Item(element);
    const Slot slot = NodePlace(0, node, middle, unitWidth, combo.Width(), nodeHeight, left, top);
    combo.Move(slot.left, slot.top);
  });
  SkipOnError([&] { c_.cmbPrimFact.Item(element).SetVisible(node != 1); });

  element = labelNodes_.ElementOf(node);
  SkipOnError([&] {
    unitWidth = c_.lblPrimFact.Item(element).Width();
    nodeHeight = c_.lblPrimFact.Item(1).Height();
    left = originX(1);
    top = nodeHeight - vsScroll(1).Value();
  });
  SkipOnError([&] { c_.lblPrimFact.Item(element).SetForeColor(prime ? kBlue : kBlack); });
  SkipOnError([&] {
    c_.lblPrimFact.Item(element).SetCaption(
        modMain::GroupedText(model_.nodeValue(node), QLocale()));
  });
  SkipOnError([&] {
    toolkit::Label& label = c_.lblPrimFact.Item(element);
    const Slot slot = NodePlace(1, node, middle, unitWidth, label.Width(), nodeHeight, left, top);
    label.Move(slot.left, slot.top);
  });
  SkipOnError([&] { c_.lblPrimFact.Item(element).SetVisible(true); });
}

void FactorTree::DrawTreeLines(int canvas, toolkit::ControlArray& nodes,
                               const modMain::NodeIndex& index, int penWidth) {
  const double levelPitch = LevelPitch(canvas);
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

// The node choices --------------------------------------------------------------------------------

void FactorTree::FillNodeChoices(double node, double value, double parentValue) {
  toolkit::ComboBox& combo = c_.cmbPrimFact.Item(comboNodes_.ElementOf(node));
  // The odd child offers what its even sibling offers.
  combo.SetItems(tree::IsEvenNode(node)
                     ? NodeChoiceItems(parentValue, NodeFactors(parentValue))
                     : c_.cmbPrimFact.Item(comboNodes_.ElementOf(node - 1)).Items());
  combo.SetText(modMain::PlainText(value));
}

std::vector<std::uint64_t> FactorTree::NodeFactors(double value) const {
  if (!(value >= 2 && value < 0x1p53) || std::nearbyint(value) != value) return {};
  return modMain::PrimeFactorsOfDivisor(static_cast<std::uint64_t>(value), model_.entryFactors);
}

double FactorTree::SmallestFactorOf(double value) const {
  const std::vector<std::uint64_t> factors = NodeFactors(value);
  return factors.empty() ? modMain::SmallestFactor(value) : static_cast<double>(factors.front());
}

void FactorTree::cmbPrimFact_Click(int index) {
  const double node = comboNodes_.NodeOf(index);
  bool ok = false;
  toolkit::ComboBox& combo = c_.cmbPrimFact.Item(index);
  const QString text = combo.Text();
  const double value = QLocale().toDouble(text, &ok);
  // Only a listed divisor reaches here; a text that is not a number would wreck the tree.
  if (!ok) return;
  model_.nodeValue(node) = value;
  // The chosen text is the node's value now, as if the refresh had written it.
  combo.SetText(text);
  RefreshFactorization(node);
}

void FactorTree::cmbPrimFact_KeyDown(int index, int keyCode, int) {
  if (keyCode == toolkit::vbKeyDown || keyCode == toolkit::vbKeyUp) {
    StepChoice(index, keyCode == toolkit::vbKeyDown ? 1 : -1);
    return;
  }
  if (keyCode != toolkit::vbKeyReturn) return;
  const toolkit::ComboBox& combo = c_.cmbPrimFact.Item(index);
  const QString text = combo.Text();
  for (int i = 0; i < combo.ListCount(); ++i) {
    if (combo.List(i) == text) {
      cmbPrimFact_Click(index);
      return;
    }
  }
  // The typed text stays for the user to correct.
  if (c_.beep) c_.beep();
}

void FactorTree::StepChoice(int index, int step) {
  toolkit::ComboBox& combo = c_.cmbPrimFact.Item(index);
  const std::shared_ptr<const toolkit::ItemSource> source = combo.Items();
  const QStringList& items = source->Texts();
  const qsizetype at =
      items.indexOf(modMain::PlainText(model_.nodeValue(comboNodes_.NodeOf(index))));
  if (at < 0 || at + step < 0 || at + step >= items.size()) return;
  combo.SetText(items[at + step]);
  cmbPrimFact_Click(index);
}

// The canvases and their bars ---------------------------------------------------------------------

void FactorTree::SetupCanvasScroll(int canvas) {
  ::SetupCanvasScroll(c_.canvas[canvas], model_.contentWidth[canvas], model_.contentHeight[canvas],
                      LaidOutCompactly() ? &model_.rootMiddle[canvas] : nullptr);
}

void FactorTree::hsScroll_Change(int index) {
  if (hsScroll(index).Max() > 0) RequestLayout();
}

void FactorTree::vsScroll_Change(int index) {
  if (vsScroll(index).Max() > 0) RequestLayout();
}

void FactorTree::picCanvas_Resize(int) {
  if (c_.windowState() == toolkit::vbMinimized) return;
  HoldingLayouts([this] {
    SetupCanvasScroll(0);
    SetupCanvasScroll(1);
    if (!(model_.nodeValue(1) > 1)) {
      // No tree: the number box waits centred one combo box below the top.
      txtPrimFact(0).Move(
          (picCanvas(0).ScaleWidth() - txtPrimFact(0).Width() - vsScroll(0).Width()) / 2,
          c_.cmbPrimFact.Item(1).Height());
      c_.lblPrimFact.Item(1).SetVisible(false);
    } else if (model_.entryIsPrime) {
      CentreLoneRoot();
    } else {
      RequestLayout();
    }
  });
}

void FactorTree::HoldingLayouts(const std::function<void()>& work) {
  ++layoutHolds_;
  try {
    work();
  } catch (...) {
    --layoutHolds_;
    throw;
  }
  if (--layoutHolds_ == 0 && layoutRequested_) {
    layoutRequested_ = false;
    LayoutTree();
  }
}

void FactorTree::RequestLayout() {
  if (layoutHolds_ > 0) {
    layoutRequested_ = true;
  } else {
    LayoutTree();
  }
}

// The number entry and the refresh that rebuilds the trees and the report.

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/number_text.h"
#include "core/arithmetic/prime_factors.h"
#include "core/tree/node_controls.h"
#include "core/tree/tree_form.h"
#include "report/html_view.h"
#include "report/report_text.h"
#include "toolkit/skip_on_error.h"

namespace {

// Only plain digits are an entry, with or without leading zeros and surrounding blanks; a pasted
// sign, decimal point, exponent or digit grouping is ignored like any other non-numeric text, so
// every accepted entry is a whole number the box's 15 characters keep below 10^15.
bool IsAcceptedEntry(const QString& text) {
  const QString digits = text.trimmed();
  return !digits.isEmpty() &&
         std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= '0' && c <= '9'; });
}

// Prime factors counted with multiplicity; a tree built with the default split is that deep.
// Accepted entries are whole numbers below 10^15.
int PrimeFactorCount(double entry) {
  return static_cast<int>(modMain::PrimeFactors(static_cast<std::uint64_t>(entry)).size());
}

// No caption of a divisor of the entry is wider than the entry's own with every digit written as
// the widest digit: a divisor has no more digits, nor more group separators.
double WidestCaptionWidth(const toolkit::Label& label, QString caption) {
  const QLocale locale;
  QString widestDigit;
  double widest = -1;
  for (int d = 0; d <= 9; ++d) {
    const QString digit = locale.toString(d);
    const double width = label.TextWidth(digit);
    if (width > widest) widest = width, widestDigit = digit;
  }
  for (int d = 0; d <= 9; ++d) caption.replace(locale.toString(d), widestDigit);
  return label.TextWidth(caption);
}

}  // namespace

void TreeForm::txtPrimFact_KeyPress(int, int& keyAscii) {
  if (keyAscii != toolkit::vbKeyBack && (keyAscii < '0' || keyAscii > '9')) keyAscii = 0;
}

void TreeForm::txtPrimFact_Change(int index) {
  const QString text = txtPrimFact(index).Text();
  if (!IsAcceptedEntry(text)) return;
  if (index != 1) {
    // The root box was edited on the canvas: the entry box takes the text and starts the work.
    txtPrimFact(1).SetText(text);
    return;
  }
  txtPrimFact(0).SetText(text);
  const double entry = QLocale().toDouble(text.trimmed());
  model.nodeValue(1) = entry;
  model.entryIsPrime = modMain::IsPrime(entry);
  model.entryTooDeep = PrimeFactorCount(entry) > tree::kMaxLevels;

  // Every label takes over the root label's width, so size it to the widest caption of the new
  // tree: the root's, or a divisor's with as many digits that measures wider.
  toolkit::Label& rootLabel = lblPrimFact().Item(1);
  const QString caption = modMain::GroupedText(entry, QLocale());
  rootLabel.SetCaption(caption);
  rootLabel.SetAutoSize(true);
  rootLabel.SetAutoSize(false);
  rootLabel.SetWidth(std::max(rootLabel.Width(), WidestCaptionWidth(rootLabel, caption)) + 2);

  comboNodes_.UnloadAll(cmbPrimFact());
  labelNodes_.UnloadAll(lblPrimFact());
  RefreshFactorization(1);
}

void TreeForm::RefreshFactorization(double startNode) {
  // The bars are reset and set up below before the new tree is known: no layout until it is.
  model.treeReady = false;
  // Start from an empty view.
  SkipOnError([&] { picCanvas(0).Cls(); });
  SkipOnError([&] { picCanvas(1).Cls(); });
  toolkit::ControlArray* arrays[] = {&cmbPrimFact(), &lblPrimFact()};
  for (toolkit::ControlArray* nodes : arrays) {
    for (const int index : nodes->Indices()) {
      SkipOnError([&] { nodes->Element(index).SetVisible(false); });
    }
  }
  toolkit::ScrollBar* bars[] = {&hsScroll(0), &vsScroll(0), &hsScroll(1), &vsScroll(1)};
  for (toolkit::ScrollBar* bar : bars) SkipOnError([&] { bar->SetMax(0); });
  for (toolkit::ScrollBar* bar : bars) SkipOnError([&] { bar->SetValue(0); });
  for (int k = 0; k < 2; ++k) model.contentWidth[k] = model.contentHeight[k] = 0;
  SkipOnError([&] { SetupCanvasScroll(0); });
  SkipOnError([&] { SetupCanvasScroll(1); });

  const double entry = model.nodeValue(1);
  if (entry > 1) {
    model.levelCount = 1;
    if (!model.entryTooDeep) WalkTree(startNode);
    if (model.entryIsPrime || model.entryTooDeep) {
      CentreLoneRoot();
    } else {
      LayOutNewTree();
    }
  }
  SkipOnError([&] { WriteReport(report::ReportText(entry, QLocale(), tree::kMaxLevels)); });
}

void TreeForm::WalkTree(double startNode) {
  if (!tree::IsEvenNode(startNode) && startNode > 1) {
    // The choice was made at an odd child: its even sibling takes the complementary factor.
    SkipOnError([&] {
      model.nodeValue(startNode - 1) =
          model.nodeValue(tree::ParentNode(startNode)) / model.nodeValue(startNode);
    });
  }
  // A walk that would run past the node table ends there.
  SkipOnError([&] {
    for (double node = NextNode(1); node > 1; node = NextNode(node)) VisitNode(node, startNode);
  });
}

void TreeForm::LayOutNewTree() {
  const double levels = model.levelCount;
  const double columns = std::pow(2.0, levels - 1);
  SkipOnError([&] {
    const toolkit::ComboBox& combo = cmbPrimFact().Item(1);
    model.contentWidth[0] = static_cast<float>(columns * combo.Width() + 2);
    // One node height of margin below the lowest level, so all of it can be scrolled into view.
    model.contentHeight[0] = static_cast<float>(combo.Height() * kComboLevelPitch * levels);
  });
  SkipOnError([&] {
    const toolkit::Label& label = lblPrimFact().Item(1);
    model.contentWidth[1] = static_cast<float>(columns * label.Width() + 2);
    model.contentHeight[1] = static_cast<float>(label.Height() * levels * kLabelLevelPitch + 4);
  });
  SkipOnError([&] { SetupCanvasScroll(0); });
  SkipOnError([&] { SetupCanvasScroll(1); });
  // Laid out once, with the bars' final values, not once more for every bar the set-up moved.
  model.treeReady = true;
  SkipOnError([&] { LayoutTree(); });
}

double TreeForm::NextNode(double node) const {
  if (!modMain::IsPrime(model.nodeValue(node))) return 2 * node;
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

void TreeForm::VisitNode(double node, double startNode) {
  SkipOnError([&] { labelNodes_.Ensure(lblPrimFact(), node); });
  SkipOnError([&] { comboNodes_.Ensure(cmbPrimFact(), node); });
  const double parent = tree::ParentNode(node);
  if (node > startNode) {
    SkipOnError([&] {
      const double parentValue = model.nodeValue(parent);
      model.nodeValue(node) = tree::IsEvenNode(node)
                                  ? parentValue / modMain::SmallestFactor(parentValue)
                                  : parentValue / model.nodeValue(node - 1);
    });
    SkipOnError([&] { FillNodeChoices(node, model.nodeValue(node), model.nodeValue(parent)); });
  } else if (node == startNode - 1 && tree::IsEvenNode(node)) {
    // The even sibling of an odd chosen node took a new value: its list is filled anew.
    SkipOnError([&] { FillNodeChoices(node, model.nodeValue(node), model.nodeValue(parent)); });
  }
  model.levelCount = std::max(model.levelCount, tree::NodeLevel(node) + 1.0);
}

void TreeForm::CentreLoneRoot() {
  SkipOnError([&] {
    txtPrimFact(0).Move((picCanvas(0).ScaleWidth() - cmbPrimFact().Item(1).Width()) / 2,
                        txtPrimFact(0).Top());
  });
  SkipOnError([&] {
    toolkit::Label& label = lblPrimFact().Item(1);
    label.Move((picCanvas(1).ScaleWidth() - label.Width()) / 2, label.Top());
  });
}

void TreeForm::WriteReport(const QString& text) {
  // Each step fetches the body anew: the document is kept for the window's lifetime and never
  // replaced, so the font settings stay between reports.
  auto body = [this]() -> HtmlDocument& {
    if (HtmlDocument* document = htmlDocument()) return *document;
    throw toolkit::Refused("the report view is not set up");
  };
  SkipOnError([&] { body().SetBodyFontFamily("Arial"); });
  SkipOnError([&] { body().SetBodyFontSize("15px"); });
  SkipOnError([&] { body().SetBodyInnerHtml(text); });
}

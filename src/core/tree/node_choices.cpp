// The choices of a node: its combo box lists the ways to split its parent, and picking one makes
// it the node's value and rebuilds the tree from there.

#include <QLocale>

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/number_text.h"
#include "core/tree/node_controls.h"
#include "core/tree/tree_form.h"

void TreeForm::FillNodeChoices(double node, double value, double parentValue) {
  toolkit::ComboBoxArray& combos = cmbPrimFact();
  toolkit::ComboBox& combo = combos.Item(comboNodes_.ElementOf(node));
  combo.Clear();
  QStringList items;
  if (tree::IsEvenNode(node)) {
    if (parentValue != 0 && !modMain::IsPrime(parentValue)) {
      // Every divisor of the parent but 1 and the parent itself, as DivisorList writes it: the
      // list of a composite number runs from 1 to the number, so those are its two ends. They are
      // dropped in place, keeping the one list the odd sibling and both models then share.
      items = modMain::DivisorItems(parentValue);
      if (items.size() < 2) {
        items.clear();
      } else {
        items.removeFirst();
        items.removeLast();
      }
    }
  } else {
    // The odd child offers what its even sibling offers.
    items = combos.Item(comboNodes_.ElementOf(node - 1)).ListItems();
  }
  combo.AddItems(items);
  combo.SetText(modMain::PlainText(value));
}

void TreeForm::cmbPrimFact_Click(int index) {
  const double node = comboNodes_.NodeOf(index);
  bool ok = false;
  const double value = QLocale().toDouble(cmbPrimFact().Item(index).Text(), &ok);
  // Only a listed divisor reaches here; a text that is not a number would wreck the tree.
  if (!ok) return;
  model.nodeValue(node) = value;
  RefreshFactorization(node);
}

void TreeForm::cmbPrimFact_KeyDown(int index, int keyCode, int) {
  if (keyCode != toolkit::vbKeyReturn) return;
  const toolkit::ComboBox& combo = cmbPrimFact().Item(index);
  const QString text = combo.Text();
  for (int i = 0; i < combo.ListCount(); ++i) {
    if (combo.List(i) == text) {
      cmbPrimFact_Click(index);
      return;
    }
  }
}

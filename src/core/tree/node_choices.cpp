#include "core/tree/node_choices.h"

#include "core/arithmetic/arithmetic.h"

QStringList NodeChoices(double parentValue) {
  // The list of a number above 1 runs from 1 to the number, so those are its two ends; a prime's
  // has nothing between them, and 0, 1 and negative numbers list only themselves. The ends are
  // dropped in place, keeping the one list that the odd sibling and both list models then share.
  QStringList items = modMain::DivisorItems(parentValue);
  if (items.size() < 2) return {};
  items.removeFirst();
  items.removeLast();
  return items;
}

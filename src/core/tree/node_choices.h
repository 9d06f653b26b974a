#pragma once
// The ways to split a node's parent that the node's list offers.

#include <QStringList>
#include <memory>

#include "toolkit/item_source.h"

// Every divisor of the parent's value but 1 and the value itself, ascending, as DivisorList
// writes them: the even child's list, which its odd sibling copies. Empty for a prime parent, 0
// and 1.
QStringList NodeChoices(double parentValue);

// The same items, counted from the parent's prime factors and written only when first read: a
// node's list of thousands of divisors costs nothing until it is opened.
std::shared_ptr<const toolkit::ItemSource> NodeChoiceItems(double parentValue);

#pragma once
// The ways to split a node's parent that the node's list offers.

#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/item_source.h"

// Every divisor of the parent's value but 1 and the value itself, ascending, as DivisorList
// writes them: the even child's list, which its odd sibling copies. Empty for a prime parent, 0
// and 1.
QStringList NodeChoices(double parentValue);

// The same items, counted from `parentFactors`, the parent's prime factors as PrimeFactors gives
// them, and written only when first read: a node's list of thousands of divisors costs nothing
// until it is opened. With no factors given, as for a parent that is not a whole number from 2
// up, the items are written to be counted.
std::shared_ptr<const toolkit::ItemSource> NodeChoiceItems(
    double parentValue, std::vector<std::uint64_t> parentFactors);

#pragma once
// The ways to split a node's parent that the node's list offers.

#include <QStringList>

// Every divisor of the parent's value but 1 and the value itself, ascending, as DivisorList
// writes them: the even child's list, which its odd sibling copies. Empty for a prime parent, 0
// and 1.
QStringList NodeChoices(double parentValue);

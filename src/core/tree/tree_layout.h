#pragma once
// Where a node's control goes in either layout of a tree. In the described layout every level has
// twice the slots of the one above, all sharing the tree's width, and a control is centred in its
// node's slot. In the compact layout every leaf has a column of its own, in the order of the tree,
// and every composite node is centred over its two children, so a tree is as wide as its leaves.

#include <vector>

#include "core/tree/tree_model.h"

// The top left corner of a node's control, twips.
struct Slot {
  double left;
  double top;
};

// The slot of `node` in a tree of `levelCount` levels whose lowest slots are `unitWidth` wide,
// for a control `width` wide, the levels `levelPitch` apart and the tree's top left corner at
// (originX, originY).
Slot NodeSlot(double node, double levelCount, double unitWidth, double width, double levelPitch,
              double originX, double originY);

// The compact columns of a walked tree: for each node of `walk`, in the walk's order, the middle
// of the node counted in columns from the tree's left edge (the first leaf's middle is 0.5), and
// how many columns the tree has. A node whose children the walk does not hold is a leaf.
struct CompactColumns {
  std::vector<double> middles;
  int count = 0;
};
CompactColumns CompactColumnsOf(const std::vector<tree::WalkedNode>& walk);

// The corner of a control `width` wide whose middle is `middle` columns of `columnPitch` right of
// (originX, originY), `level` levels of `levelPitch` down.
Slot CompactSlot(double middle, int level, double columnPitch, double width, double levelPitch,
                 double originX, double originY);

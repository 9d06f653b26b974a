#pragma once
// Where a node's control goes in the tree's layout: every level has twice the slots of the one
// above, all sharing the tree's width, and a control is centred in its node's slot.

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

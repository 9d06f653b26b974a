#pragma once
// The table that ties factor-tree nodes to the elements of a control array: every node has one
// element whose Tag holds its node id as decimal text. Element 1 carries the root's id "1", is the
// template of the later elements and is never unloaded; the others are loaded at Count + 1 in the
// order their nodes are first visited.

#include "toolkit/toolkit.h"

namespace modMain {

// Loads an element for the node unless one already carries its id.
void EnsureNodeControl(toolkit::ControlArray& array, double nodeId);

bool NodeControlExists(toolkit::ControlArray& array, int nodeId);

// The Index of the node's element, or 0 when no element carries the id.
double IndexOfNode(toolkit::ControlArray& array, double nodeId);

// The Index of the node's element as an int, rounded halves to even, for addressing the element.
int ElementOfNode(toolkit::ControlArray& array, double nodeId);

// The node id in the Tag of the element with that Index, or 0 when no element has it.
double NodeOfIndex(toolkit::ControlArray& array, double index);

// Unloads every element but element 1.
void UnloadNodeControls(toolkit::ControlArray& array);

// Draws one line with the given pen width, leaving the canvas's own pen width as it was.
void DrawSegment(toolkit::PictureBox& canvas, double x1, double y1, double x2, double y2,
                 toolkit::Color color, int width);

}  // namespace modMain

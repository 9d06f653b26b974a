#pragma once
// The table that ties factor-tree nodes to the elements of a control array: every node has one
// element whose Tag holds its node id as decimal text. Element 1 carries the root's id "1", is the
// template of the later elements and is never unloaded; the others are loaded at Count + 1 in the
// order their nodes are first visited.

#include <unordered_map>

#include "toolkit/toolkit.h"

namespace modMain {

// Loads an element for the node unless one already carries its id.
void EnsureNodeControl(toolkit::ControlArray& array, double nodeId);

// Loads an element for the node at Count + 1, whatever the other elements carry.
void LoadNodeControl(toolkit::ControlArray& array, double nodeId);

bool NodeControlExists(toolkit::ControlArray& array, double nodeId);

// The Index of the node's element, or 0 when no element carries the id.
double IndexOfNode(toolkit::ControlArray& array, double nodeId);

// The node id in the Tag of the element with that Index, or 0 when no element has it.
double NodeOfIndex(toolkit::ControlArray& array, double index);

// Unloads every element but element 1.
void UnloadNodeControls(toolkit::ControlArray& array);

// Which element of one node array carries which node id, kept beside the tags so that a lookup
// reads no tag: it answers as IndexOfNode and NodeOfIndex do, as long as every load and unload of
// the array's node elements goes through it.
class NodeIndex {
 public:
  // EnsureNodeControl, remembering the element it loads.
  void Ensure(toolkit::ControlArray& array, double nodeId);
  // UnloadNodeControls: element 1, the root's, is left alone.
  void UnloadAll(toolkit::ControlArray& array);
  // The Index of the node's element, 0 when no element carries the id.
  int ElementOf(double nodeId) const;
  // The node id of the element with that Index, 0 when it is not loaded.
  double NodeOf(int index) const;

 private:
  std::unordered_map<double, int> elements_{{1, 1}};
  std::unordered_map<int, double> nodes_{{1, 1}};
};

// Draws one line with the given pen width, leaving the canvas's own pen width as it was.
void DrawSegment(toolkit::PictureBox& canvas, double x1, double y1, double x2, double y2,
                 toolkit::Color color, int width);

}  // namespace modMain

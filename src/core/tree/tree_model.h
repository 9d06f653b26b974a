#pragma once
// The factor tree as the main window holds it. Nodes are numbered like a binary heap: the root is
// node 1, the children of node k are 2k (the even child) and 2k + 1 (the odd child).

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace tree {

// The node ids a table holds directly: every node of a tree of up to kMaxLevels levels, the
// deepest the described layout draws. Deeper trees (up to 49 levels below 10^15) are always laid
// out compactly, and their deeper nodes are held sparsely.
constexpr int kMaxNodeId = 32767;
constexpr int kMaxLevels = 15;
// Node ids stay exact doubles below 2^53.
constexpr double kNodeIdLimit = 0x1p53;

// The level of a node, counted from 0 at the root; exact for every id below kNodeIdLimit.
int NodeLevel(double nodeId);

// Whether a node is the even child of its parent (the root, node 1, is not).
bool IsEvenNode(double nodeId);

// The parent of a node below the root.
double ParentNode(double nodeId);

class NodeValues {
 public:
  // The value of a node, 0 until one is written; the id is rounded halves to even. Throws
  // std::out_of_range for an id outside 1 .. kNodeIdLimit - 1.
  double& operator()(double nodeId);
  double operator()(double nodeId) const;

 private:
  std::array<double, kMaxNodeId + 1> values_{};  // element 0 is never used
  // Ids past the table: a deep tree has at most 97 nodes, whose ids reach 2^49.
  std::unordered_map<double, double> deeper_;
};

// A node of the current tree as the walk found it.
struct WalkedNode {
  double id;
  bool prime;
};

struct TreeModel {
  NodeValues nodeValue;  // nodeValue(1) is the entered number
  double levelCount = 0;
  float contentWidth[2] = {0, 0};  // the room the tree needs on canvas 0 and 1, twips
  float contentHeight[2] = {0, 0};
  // How far the root's middle is from the left edge of a compact tree, twips.
  float rootMiddle[2] = {0, 0};
  bool entryIsPrime = false;
  bool hasEntry = false;  // an entry was accepted: the panes show nodeValue(1)
  // The prime factors of the entry, ascending, as often as each divides it: found once per entry
  // for the tree's depth and the report.
  std::vector<std::uint64_t> entryFactors;
  // The nodes of the current tree in the order of the walk, which visits a node before its
  // children and an even child's subtree before its odd sibling's; the root first. The layout,
  // the lines, the screen-reader names and the Tab order read them. Only the root while the tree
  // is a prime, empty while there is no tree.
  std::vector<WalkedNode> walk;
  // More prime factors than a tree of kMaxLevels levels can hold: the described layout would be
  // 2^48 boxes wide, so the tree is always laid out compactly.
  bool entryTooDeep = false;
  // The walk of a composite tree is complete, so a layout places its nodes. Until then (during a
  // refresh, and while there is no composite tree) a layout would show stale or foreign nodes,
  // so none runs: a bar moved at a tiny canvas size in the middle of a refresh lays out nothing.
  bool treeReady = false;
};

}  // namespace tree

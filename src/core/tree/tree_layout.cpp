#include "core/tree/tree_layout.h"

#include <cmath>
#include <unordered_map>

Slot NodeSlot(double node, double levelCount, double unitWidth, double width, double levelPitch,
              double originX, double originY) {
  const int level = tree::NodeLevel(node);
  const double position = node - std::pow(2.0, level);
  const double slotWidth = unitWidth * std::pow(2.0, levelCount - level - 1);
  return {originX + position * slotWidth + (slotWidth - width) / 2, originY + level * levelPitch};
}

CompactColumns CompactColumnsOf(const std::vector<tree::WalkedNode>& walk) {
  std::unordered_map<double, std::size_t> at;  // a node's place in the walk
  for (std::size_t i = 0; i < walk.size(); ++i) at.emplace(walk[i].id, i);
  CompactColumns columns;
  columns.middles.assign(walk.size(), 0);
  // The walk meets the leaves from left to right.
  for (std::size_t i = 0; i < walk.size(); ++i) {
    if (at.count(2 * walk[i].id) == 0 && at.count(2 * walk[i].id + 1) == 0) {
      columns.middles[i] = columns.count++ + 0.5;
    }
  }
  // Children come after their parent in the walk, so going backwards finds them placed.
  for (std::size_t i = walk.size(); i-- > 0;) {
    double sum = 0;
    int children = 0;
    for (const double child : {2 * walk[i].id, 2 * walk[i].id + 1}) {
      const auto it = at.find(child);
      if (it == at.end()) continue;
      sum += columns.middles[it->second];
      ++children;
    }
    if (children > 0) columns.middles[i] = sum / children;
  }
  return columns;
}

Slot CompactSlot(double middle, int level, double columnPitch, double width, double levelPitch,
                 double originX, double originY) {
  return {originX + middle * columnPitch - width / 2, originY + level * levelPitch};
}

#include "core/tree/tree_layout.h"

#include <cmath>

#include "core/tree/tree_model.h"

Slot NodeSlot(double node, double levelCount, double unitWidth, double width, double levelPitch,
              double originX, double originY) {
  const int level = tree::NodeLevel(node);
  const double position = node - std::pow(2.0, level);
  const double slotWidth = unitWidth * std::pow(2.0, levelCount - level - 1);
  return {originX + position * slotWidth + (slotWidth - width) / 2, originY + level * levelPitch};
}

#include "core/tree/tree_model.h"

#include <cmath>
#include <stdexcept>

#include "core/arithmetic/arithmetic.h"

namespace tree {
namespace {

double CheckedId(double nodeId) {
  const double id = std::nearbyint(nodeId);
  if (!(id >= 1 && id < kNodeIdLimit)) throw std::out_of_range("node id outside the tree");
  return id;
}

}  // namespace

// A logarithm rounds 2^49 - 1 up to level 49; the exponent of a whole double is exact.
int NodeLevel(double nodeId) { return std::ilogb(std::nearbyint(nodeId)); }

bool IsEvenNode(double nodeId) { return modMain::DMod(nodeId, 2) == 0; }

double ParentNode(double nodeId) { return IsEvenNode(nodeId) ? nodeId / 2 : (nodeId - 1) / 2; }

double& NodeValues::operator()(double nodeId) {
  const double id = CheckedId(nodeId);
  return id <= kMaxNodeId ? values_[static_cast<int>(id)] : deeper_[id];
}

double NodeValues::operator()(double nodeId) const {
  const double id = CheckedId(nodeId);
  if (id <= kMaxNodeId) return values_[static_cast<int>(id)];
  const auto it = deeper_.find(id);
  return it == deeper_.end() ? 0 : it->second;
}

}  // namespace tree

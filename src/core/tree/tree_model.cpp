#include "core/tree/tree_model.h"

#include <cmath>
#include <stdexcept>

#include "core/arithmetic/arithmetic.h"

namespace tree {
namespace {

int CheckedId(double nodeId) {
  const double id = std::nearbyint(nodeId);
  if (!(id >= 1 && id <= kMaxNodeId)) throw std::out_of_range("node id outside the tree table");
  return static_cast<int>(id);
}

}  // namespace

int NodeLevel(double nodeId) { return static_cast<int>(std::log(nodeId + 0.5) / std::log(2.0)); }

bool IsEvenNode(double nodeId) { return modMain::DMod(nodeId, 2) == 0; }

double ParentNode(double nodeId) { return IsEvenNode(nodeId) ? nodeId / 2 : (nodeId - 1) / 2; }

double& NodeValues::operator()(double nodeId) { return values_[CheckedId(nodeId)]; }

double NodeValues::operator()(double nodeId) const { return values_[CheckedId(nodeId)]; }

}  // namespace tree

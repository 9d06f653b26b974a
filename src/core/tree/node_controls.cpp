#include "core/tree/node_controls.h"

#include <stdexcept>

#include "core/arithmetic/number_text.h"
#include "toolkit/rounding.h"

namespace modMain {
namespace {

// A Tag read as a number; the tags hold node ids written by EnsureNodeControl.
double TagValue(toolkit::Control& element) {
  bool ok = false;
  const double value = element.Tag().trimmed().toDouble(&ok);
  if (!ok) throw std::invalid_argument("tag is not a number");
  return value;
}

}  // namespace

void EnsureNodeControl(toolkit::ControlArray& array, double nodeId) {
  if (!NodeControlExists(array, nodeId)) LoadNodeControl(array, nodeId);
}

void LoadNodeControl(toolkit::ControlArray& array, double nodeId) {
  array.Load(array.Count() + 1);
  array.Element(array.Count()).SetTag(PlainText(nodeId));
}

bool NodeControlExists(toolkit::ControlArray& array, double nodeId) {
  return IndexOfNode(array, nodeId) != 0;
}

double IndexOfNode(toolkit::ControlArray& array, double nodeId) {
  for (const int index : array.Indices()) {
    if (TagValue(array.Element(index)) == nodeId) return index;
  }
  return 0;
}

double NodeOfIndex(toolkit::ControlArray& array, double index) {
  for (const int i : array.Indices()) {
    if (i == index) return TagValue(array.Element(i));
  }
  return 0;
}

void UnloadNodeControls(toolkit::ControlArray& array) {
  for (const int index : array.Indices()) {
    if (index != 1) array.Unload(index);
  }
}

void NodeIndex::Ensure(toolkit::ControlArray& array, double nodeId) {
  if (elements_.count(nodeId) != 0) return;
  const int count = array.Count();
  if (count == static_cast<int>(nodes_.size())) {
    // Every element is one this index knows, and none carries the id: no tag needs reading.
    LoadNodeControl(array, nodeId);
  } else {
    EnsureNodeControl(array, nodeId);
  }
  // A load puts the node's element last; with none, an element left by an unload that failed
  // carries the id, and is looked up.
  const int index =
      array.Count() > count ? array.Count() : toolkit::RoundToInt(IndexOfNode(array, nodeId));
  elements_[nodeId] = index;
  nodes_[index] = nodeId;
}

void NodeIndex::UnloadAll(toolkit::ControlArray& array) {
  elements_ = {{1, 1}};
  nodes_ = {{1, 1}};
  UnloadNodeControls(array);
}

int NodeIndex::ElementOf(double nodeId) const {
  const auto it = elements_.find(nodeId);
  return it == elements_.end() ? 0 : it->second;
}

double NodeIndex::NodeOf(int index) const {
  const auto it = nodes_.find(index);
  return it == nodes_.end() ? 0 : it->second;
}

void DrawSegment(toolkit::PictureBox& canvas, double x1, double y1, double x2, double y2,
                 toolkit::Color color, int width) {
  const int saved = canvas.DrawWidth();
  canvas.SetDrawWidth(width);
  canvas.Line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
              static_cast<float>(y2), color);
  canvas.SetDrawWidth(saved);
}

}  // namespace modMain

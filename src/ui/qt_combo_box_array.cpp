#include "ui/qt_combo_box_array.h"

#include <QPointer>
#include <bit>
#include <optional>

namespace {

// A node's place in the walk of the tree, which visits a node before its children and an even
// child's subtree before its odd sibling's: below the leading 1, a node id's binary digits spell
// its path from the root (0 the even child, 1 the odd), so the walk is the order of paths with a
// prefix first. The path is left-aligned in kBits digits and its length breaks ties.
std::optional<long> WalkPosition(const QString& tag) {
  constexpr int kBits = 16;  // more than the 15 levels a tree can have
  bool ok = false;
  const int node = tag.toInt(&ok);
  if (!ok || node < 1) return std::nullopt;
  const int depth = std::bit_width(static_cast<unsigned>(node)) - 1;
  if (depth >= kBits) return std::nullopt;
  return (static_cast<long>(node) << (kBits - depth)) * kBits + depth;
}

}  // namespace

void QtComboBoxArray::Wire(QtComboBox& element, int index) {
  // An element's events reach the array only while it is loaded at its index: an unloaded one
  // waiting for deletion, or the array gone, raises nothing.
  const QPointer<QtComboBoxArray> array = this;
  const QtComboBox* self = &element;
  element.onClick = [array, index, self] {
    if (array && array->Holds(index, self)) Raise(array->onClick, index);
  };
  element.onKeyDown = [array, index, self](int keyCode, int shift) {
    if (array && array->Holds(index, self)) Raise(array->onKeyDown, index, keyCode, shift);
  };
  element.onTagChanged = [array, index, self] {
    if (array && array->Holds(index, self)) array->PlaceInFocusOrder(index);
  };
}

void QtComboBoxArray::PlaceInFocusOrder(int index) {
  const std::vector<int> indices = Indices();
  const int templateIndex = indices.front();
  if (index == templateIndex) return;
  QtComboBox& element = At(index);
  const std::optional<long> position = WalkPosition(element.Tag());
  if (!position) return;
  QWidget* after = &At(templateIndex);
  std::optional<long> afterPosition;
  for (const int other : indices) {
    if (other == templateIndex || other == index) continue;
    const std::optional<long> otherPosition = WalkPosition(At(other).Tag());
    if (otherPosition && *otherPosition < *position &&
        (!afterPosition || *otherPosition > *afterPosition)) {
      after = &At(other);
      afterPosition = otherPosition;
    }
  }
  QWidget::setTabOrder(after, &element);
}

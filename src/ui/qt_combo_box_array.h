#pragma once

#include <functional>

#include "toolkit/toolkit.h"
#include "ui/qt_combo_box.h"
#include "ui/qt_control_array.h"

// The node combo boxes: their picks and keys reach the window with the element's index, and Tab
// visits the loaded ones in the tree's walk order, where the template stands in the focus chain.
class QtComboBoxArray : public QtControlArray<QtComboBox, toolkit::ComboBoxArray> {
 public:
  using QtControlArray::QtControlArray;

  toolkit::ComboBox& Item(int index) override { return At(index); }

  // The events of every loaded element, with the element's index.
  std::function<void(int index)> onClick;
  std::function<void(int index, int keyCode, int shift)> onKeyDown;

 protected:
  void Wire(QtComboBox& element, int index) override;

 private:
  // Moves the element into the focus chain after the loaded element whose node comes last
  // before its own in the walk, or right after the template when none does.
  void PlaceInFocusOrder(int index);
};

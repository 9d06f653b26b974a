#pragma once

#include <functional>
#include <vector>

#include "toolkit/toolkit.h"
#include "ui/qt_combo_box.h"
#include "ui/qt_control_array.h"

// The node combo boxes: their picks and keys reach the window with the element's index.
class QtComboBoxArray : public QtControlArray<QtComboBox, toolkit::ComboBoxArray> {
 public:
  using QtControlArray::QtControlArray;

  toolkit::ComboBox& Item(int index) override { return At(index); }

  // Tab visits the elements at `indices` in that order, where the lowest element stands in the
  // focus chain.
  void SetFocusOrder(const std::vector<int>& indices);

  // The events of every loaded element, with the element's index.
  std::function<void(int index)> onClick;
  std::function<void(int index, int keyCode, int shift)> onKeyDown;

 protected:
  void Wire(QtComboBox& element, int index) override;
};

#pragma once

#include "toolkit/toolkit.h"
#include "ui/qt_control_array.h"
#include "ui/qt_label.h"

// The node labels of the read-only tree.
class QtLabelArray : public QtControlArray<QtLabel, toolkit::LabelArray> {
 public:
  using QtControlArray::QtControlArray;

  toolkit::Label& Item(int index) override { return At(index); }
};

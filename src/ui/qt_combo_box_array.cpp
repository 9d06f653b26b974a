#include "ui/qt_combo_box_array.h"

#include <QPointer>

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
}

void QtComboBoxArray::SetFocusOrder(const std::vector<int>& indices) {
  QWidget* previous = &At(Indices().front());
  for (const int index : indices) {
    QWidget* element = &At(index);
    QWidget::setTabOrder(previous, element);
    previous = element;
  }
}

#pragma once

#include <QComboBox>
#include <functional>

#include "toolkit/toolkit.h"
#include "ui/qt_control.h"

class ItemListModel;

// An edit field with a drop-down list. The edit text stays exactly what was typed or written:
// nothing is inserted into the list and nothing is completed. A text typed over the one the
// program wrote shows in the desktop's plain edit colours, not the box's own, and goes back to
// the written one on Escape or when the box loses the focus: an edit never passes for a value.
class QtComboBox : public QtControl<QComboBox, toolkit::ComboBox> {
  Q_OBJECT

 public:
  QtComboBox(QWidget* container, const QString& name, const TwipRect& rect);

  QString Text() const override;
  void SetText(const QString& text) override;
  QString List(int i) const override;
  int ListCount() const override;
  void AddItem(const QString& item) override;
  void AddItems(const QStringList& items) override;
  std::shared_ptr<const toolkit::ItemSource> Items() const override;
  void SetItems(std::shared_ptr<const toolkit::ItemSource> items) override;
  // Empties the list; the edit text stays.
  void Clear() override;

  QtComboBox* LoadCopy(const QString& name) const;
  // Makes this box, unloaded before, as LoadCopy makes a new one: no list items, no edit state.
  void ReloadAs(const QtComboBox& from, const QString& name);

  // Opens the list with the item equal to the edit text highlighted: Up and Down start there.
  // Highlighting is not picking: nothing is raised and the text stays.
  void showPopup() override;

  // The user picked an entry of the list, with the mouse or the keyboard.
  std::function<void()> onClick;
  // A key went down (key codes as the desktop's virtual keys: Enter 13, A 65, …; shift bits:
  // 1 Shift, 2 Ctrl, 4 Alt). Enter does nothing more, nor do Up and Down while the list is
  // closed: the hook makes their choice.
  std::function<void(int keyCode, int shift)> onKeyDown;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // The wheel over a node scrolls its canvas: it never changes the node's value.
  void wheelEvent(QWheelEvent* event) override;

 private:
  // A hidden copy of `from`, for LoadCopy.
  QtComboBox(const QtComboBox& from, const QString& name);
  void SetUp();
  void TakeBoxSettings(const QtComboBox& from);
  void NoCurrentItem();
  // Shows whether the edit text is still the written one.
  void EditStateChanged();
  void RestoreWrittenText();

  ItemListModel* list_;  // the drop-down list's items
  QString written_;      // the edit text as the program last wrote it
};

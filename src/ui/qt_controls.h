#pragma once
// The controls of the program's windows as Qt widgets: each is the widget itself and implements
// its toolkit interface. Events reach the window through plain hooks, called synchronously from
// inside the operation or input that raises them; an unset hook is skipped.
//
// Every control is made with its container, its objectName and its design rectangle in twips.
// Qt-side settings without a toolkit operation (alignment, maximum length, fonts) are made on
// the widget directly.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/qt_control.h"
#include "ui/qt_control_array.h"
#include "ui/toolkit.h"

// A single-line text box.
class QtTextBox : public QtControl<QLineEdit, toolkit::TextBox> {
  Q_OBJECT

 public:
  QtTextBox(QWidget* container, const QString& name, const TwipRect& rect);

  QString Text() const override;
  void SetText(const QString& text) override;

  // The text changed: typed, pasted or written; writing the same text raises nothing.
  std::function<void()> onChange;
  // A printable character or backspace (8) is about to be typed; setting the code to 0
  // discards the key. Other keys and shortcuts never come here.
  std::function<void(int& keyAscii)> onKeyPress;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// A caption, plain text, top-left aligned unless set otherwise.
class QtLabel : public QtControl<QLabel, toolkit::Label> {
  Q_OBJECT

 public:
  QtLabel(QWidget* container, const QString& name, const TwipRect& rect);

  QString Caption() const override;
  void SetCaption(const QString& caption) override;
  void SetAutoSize(bool on) override;
  bool AutoSize() const { return autoSize_; }

  QtLabel* LoadCopy(const QString& name) const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void FitCaption();

  bool autoSize_ = false;  // sized to the caption whenever the caption or the font changes
};

// An edit field with a drop-down list. The edit text stays exactly what was typed or written:
// nothing is inserted into the list and nothing is completed.
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
  // Empties the list; the edit text stays.
  void Clear() override;

  QtComboBox* LoadCopy(const QString& name) const;

  // The user picked an entry of the list, with the mouse or the keyboard.
  std::function<void()> onClick;
  // A key went down (key codes as the desktop's virtual keys: Enter 13, A 65, …; shift bits:
  // 1 Shift, 2 Ctrl, 4 Alt). Enter does nothing more.
  std::function<void(int keyCode, int shift)> onKeyDown;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QStringListModel* list_;  // the drop-down list's items
};

// A drawing canvas or a plain container, with the sunken 2-pixel border or none. Children sit
// inside the border.
class QtPictureBox : public QtControl<QWidget, toolkit::PictureBox> {
  Q_OBJECT

 public:
  QtPictureBox(QWidget* container, const QString& name, const TwipRect& rect, bool bordered = true);

  double ScaleWidth() const override;
  double ScaleHeight() const override;
  void Cls() override;
  void Line(double x1, double y1, double x2, double y2, toolkit::Color color) override;
  int DrawWidth() const override;
  // Refused below 1.
  void SetDrawWidth(int width) override;
  const std::vector<toolkit::Segment>& Lines() const override;

  // The size changed through Move or SetWidth; raised before they return, shown or not.
  std::function<void()> onResize;

 protected:
  void SizeChanged() override;
  void paintEvent(QPaintEvent* event) override;

 private:
  double BorderTwips() const;

  bool bordered_;
  int drawWidth_ = 1;
  std::vector<toolkit::Segment> lines_;
};

// A horizontal or vertical scroll bar from 0 to Max (32767 until set), steps 1.
class QtScrollBar : public QtControl<QScrollBar, toolkit::ScrollBar> {
  Q_OBJECT

 public:
  QtScrollBar(QWidget* container, const QString& name, const TwipRect& rect,
              Qt::Orientation orientation);

  int Value() const override;
  void SetValue(int value) override;
  int Max() const override;
  void SetMax(int max) override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  int SmallChange() const override;
  void SetSmallChange(int step) override;  // refused when negative
  int LargeChange() const override;
  void SetLargeChange(int step) override;  // refused when negative

  // The value changed: by the user, by SetValue, or pulled down by a smaller Max.
  std::function<void()> onChange;
};

class QtCommandButton : public QtControl<QPushButton, toolkit::CommandButton> {
  Q_OBJECT

 public:
  QtCommandButton(QWidget* container, const QString& name, const TwipRect& rect);

  QString Caption() const override;
  void SetCaption(const QString& caption) override;

  std::function<void()> onClick;
};

class QtComboBoxArray : public QtControlArray<QtComboBox, toolkit::ComboBoxArray> {
 public:
  using QtControlArray::QtControlArray;

  toolkit::ComboBox& Item(int index) override { return At(index); }

  // The events of every loaded element, with the element's index.
  std::function<void(int index)> onClick;
  std::function<void(int index, int keyCode, int shift)> onKeyDown;

 protected:
  void Wire(QtComboBox& element, int index) override;
};

class QtLabelArray : public QtControlArray<QtLabel, toolkit::LabelArray> {
 public:
  using QtControlArray::QtControlArray;

  toolkit::Label& Item(int index) override { return At(index); }
};

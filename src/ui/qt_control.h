#pragma once
// What every Qt-backed control shares: its twip geometry, its own visibility flag, its Tag and
// its colours. QtControl<Widget, Interface> is the widget itself and implements the part of the
// toolkit interface common to all kinds; each kind derives from it once, in a file pair of its
// own (qt_text_box, qt_label, qt_combo_box, qt_picture_box, qt_scroll_bar, qt_command_button).
//
// Every control is made with its container, its objectName and its design rectangle in twips.
// Qt-side settings without a toolkit operation (alignment, maximum length, fonts) are made on the
// widget directly. Events reach the window through plain hooks, called synchronously from inside
// the operation or input that raises them; an unset hook is skipped.

#include <QColor>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <functional>
#include <type_traits>
#include <utility>

#include "toolkit/toolkit.h"
#include "ui/twip_rect.h"

class QComboBox;
class QLineEdit;

// 0x00BBGGRR, red in the low byte.
inline QColor ToQColor(toolkit::Color color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

inline toolkit::Color FromQColor(const QColor& color) {
  return static_cast<toolkit::Color>(color.red()) |
         static_cast<toolkit::Color>(color.green()) << 8 |
         static_cast<toolkit::Color>(color.blue()) << 16;
}

// Twips to the nearest device-independent pixel, held inside the range Qt accepts for widget
// coordinates so that no double ever overflows an int.
inline int TwipsToPixels(double twips) {
  const double pixels = std::round(twips / toolkit::kTwipsPerPixel);
  return static_cast<int>(std::clamp(pixels, -double{QWIDGETSIZE_MAX}, double{QWIDGETSIZE_MAX}));
}

// Marks a widget that has the focus where the style draws no mark of its own: a frame of the
// highlight colour along its edges, 2 pixels wide, drawn over what is painted there.
inline void PaintFocusFrame(QWidget& widget) {
  if (!widget.hasFocus()) return;
  QPainter painter(&widget);
  painter.setPen(QPen(widget.palette().color(QPalette::Highlight), 2, Qt::SolidLine, Qt::SquareCap,
                      Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(widget.rect()).adjusted(1, 1, -1, -1));
}

// Calls an event hook through a copy, so that the handler may replace or clear the hook (an
// array unloading the element that raised the event does) while it runs.
template <class Hook, class... Args>
void Raise(const Hook& hook, Args&&... args) {
  if (!hook) return;
  const Hook running = hook;
  running(std::forward<Args>(args)...);
}

template <class Widget, class Interface>
class QtControl : public Widget, public Interface {
  static_assert(std::is_base_of_v<QWidget, Widget>);
  static_assert(std::is_base_of_v<toolkit::Control, Interface>);

 public:
  // A control with a container starts visible, as designed controls do; it shows when its
  // container does.
  QtControl(QWidget* container, const QString& name, const TwipRect& rect) : Widget(container) {
    Widget::setObjectName(name);
    Place(rect);
    if (container != nullptr) Widget::setVisible(true);
  }

  void Move(double left, double top) override { Move(left, top, rect_.width, rect_.height); }
  void Move(double left, double top, double width, double height) override {
    const bool valid = std::isfinite(left) && std::isfinite(top) && std::isfinite(width) &&
                       std::isfinite(height) && width >= 0 && height >= 0;
    if (!valid) throw toolkit::Refused("Move: negative or undefined position or size");
    const bool resized = width != rect_.width || height != rect_.height;
    Place({left, top, width, height});
    if (resized) SizeChanged();
  }
  double Left() const override { return rect_.left; }
  double Top() const override { return rect_.top; }
  double Width() const override { return rect_.width; }
  double Height() const override { return rect_.height; }
  void SetWidth(double width) override { Move(rect_.left, rect_.top, width, rect_.height); }

  bool Visible() const override { return !Widget::isHidden(); }
  void SetVisible(bool visible) override { Widget::setVisible(visible); }
  QString Tag() const override { return tag_; }
  void SetTag(const QString& tag) override { tag_ = tag; }

  // Edit fields (text and combo boxes) paint their background in the Base role, everything
  // else in Window; fore colours likewise in Text or WindowText.
  toolkit::Color BackColor() const { return FromQColor(Widget::palette().color(kFillRole)); }
  // A fixed background comes with a fixed text colour that reads on it, black on a light one,
  // until a fore colour is set: the desktop's own may be light on a dark theme.
  void SetBackColor(toolkit::Color color) {
    QPalette palette = Widget::palette();
    palette.setColor(QPalette::Base, ToQColor(color));
    palette.setColor(QPalette::Window, ToQColor(color));
    if (!foreColorSet_) {
      SetTextColors(palette, ToQColor(color).lightnessF() >= 0.5 ? Qt::black : Qt::white);
    }
    // Every layout colours every node again: a colour it has already changes nothing.
    if (Widget::testAttribute(Qt::WA_SetPalette) && Widget::autoFillBackground() &&
        palette == Widget::palette()) {
      return;
    }
    Widget::setPalette(palette);
    Widget::setAutoFillBackground(true);
  }
  toolkit::Color ForeColor() const { return FromQColor(Widget::palette().color(kTextRole)); }
  void SetForeColor(toolkit::Color color) {
    QPalette palette = Widget::palette();
    SetTextColors(palette, ToQColor(color));
    if (!foreColorSet_ || palette != Widget::palette()) Widget::setPalette(palette);
    foreColorSet_ = true;
  }

 protected:
  // Called by Move after the control has taken a new size.
  virtual void SizeChanged() {}

  // Stores the twips and places the widget at the nearest pixels inside its container's inner
  // area (a bordered picture box keeps its border outside it).
  void Place(const TwipRect& rect) {
    rect_ = rect;
    const QPoint origin =
        Widget::parentWidget() ? Widget::parentWidget()->contentsRect().topLeft() : QPoint();
    Widget::setGeometry(origin.x() + TwipsToPixels(rect.left), origin.y() + TwipsToPixels(rect.top),
                        TwipsToPixels(rect.width), TwipsToPixels(rect.height));
  }

  // A hidden copy of `from` in from's container, with the geometry and the settings every kind
  // shares; each kind adds its own. It is made in the container rather than moved there, and takes
  // a font only where `from` has one of its own: either font change would make a combo box build
  // its drop-down list up front, which costs more than the rest of the box.
  QtControl(const QtControl& from, const QString& name) : Widget(from.parentWidget()) {
    TakeSettings(from, name);
  }

  // Makes a control, a new copy or one used before, hidden and with the settings every kind
  // shares as `from` has them, and with nothing of what a screen reader or a tooltip said of it.
  void TakeSettings(const QtControl& from, const QString& name) {
    Widget::setObjectName(name);
    Widget::setVisible(false);
    Place(from.rect_);
    if (from.testAttribute(Qt::WA_SetFont)) {
      Widget::setFont(from.font());
    } else if (Widget::testAttribute(Qt::WA_SetFont)) {
      Widget::setFont(QFont());
    }
    // Set only when it differs: a palette set again is resolved again for every child.
    if (!SamePalette(*this, from)) Widget::setPalette(from.palette());
    Widget::setAutoFillBackground(from.autoFillBackground());
    Widget::setEnabled(!from.testAttribute(Qt::WA_ForceDisabled));
    // Each of these tells a screen reader of the change even when there is none.
    if (!Widget::toolTip().isEmpty()) Widget::setToolTip(QString());
    if (!Widget::accessibleName().isEmpty()) Widget::setAccessibleName(QString());
    if (!Widget::accessibleDescription().isEmpty()) Widget::setAccessibleDescription(QString());
    tag_ = from.tag_;
    foreColorSet_ = from.foreColorSet_;
  }

 private:
  static constexpr bool kEditField =
      std::is_base_of_v<QLineEdit, Widget> || std::is_base_of_v<QComboBox, Widget>;
  static constexpr QPalette::ColorRole kFillRole = kEditField ? QPalette::Base : QPalette::Window;
  static constexpr QPalette::ColorRole kTextRole =
      kEditField ? QPalette::Text : QPalette::WindowText;

  static bool SamePalette(const QWidget& a, const QWidget& b) {
    return a.testAttribute(Qt::WA_SetPalette) == b.testAttribute(Qt::WA_SetPalette) &&
           a.palette() == b.palette() && a.palette().resolveMask() == b.palette().resolveMask();
  }

  static void SetTextColors(QPalette& palette, const QColor& color) {
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
  }

  TwipRect rect_;
  QString tag_;
  bool foreColorSet_ = false;
};

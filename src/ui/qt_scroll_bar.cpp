#include "ui/qt_scroll_bar.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionSlider>
#include <algorithm>
#include <string>
#include <utility>

namespace {

void RefuseNegative(int value, const char* what) {
  if (value < 0) throw toolkit::Refused(std::string(what) + " must not be negative");
}

// Whether every pixel of `image`, 32-bit ARGB, is opaque.
bool Opaque(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    if (!std::all_of(row, row + image.width(), [](QRgb pixel) { return qAlpha(pixel) == 255; })) {
      return false;
    }
  }
  return true;
}

// The application's style, with each bar's groove drawn once for its size and state and then
// copied, and the thumb drawn in bands. The raster engine hands every fill of about a hundred rows
// or pixels or more to worker threads, and the style's thumb edges are lines of translucent
// pixels, each a fill of its own: a bar drawn whole on each refresh cost dozens of thread
// hand-offs. A groove that fills its rectangle is kept without alpha, so that it is copied whole
// rather than blended row by row. Groove, thumb and arrows are drawn in the style's order, and the
// bands only clip, so the bar shows exactly the pixels the style draws.
class GrooveCopyingStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || bar == nullptr || !(bar->subControls & SC_ScrollBarGroove)) {
      QProxyStyle::drawComplexControl(control, option, painter, widget);
      return;
    }
    const qreal pixelRatio = painter->device()->devicePixelRatioF();
    painter->drawPixmap(bar->rect.topLeft(), Groove(*bar, pixelRatio, widget));
    QStyleOptionSlider rest = *bar;
    rest.subControls &= ~SC_ScrollBarGroove;
    if (rest.subControls & SC_ScrollBarSlider) {
      QStyleOptionSlider thumb = rest;
      thumb.subControls = SC_ScrollBarSlider;
      DrawInBands(thumb, pixelRatio, painter, widget);
      rest.subControls &= ~SC_ScrollBarSlider;
    }
    QProxyStyle::drawComplexControl(control, &rest, painter, widget);
  }

 private:
  // Device pixels along the bar a band spans: with the bar's width across, a band's edge lines
  // stay under the hundred pixels the raster engine hands to threads.
  static constexpr int kBand = 48;

  // Draws the thumb band by band across its length, each band clipped to its part of the bar.
  void DrawInBands(const QStyleOptionSlider& thumb, qreal pixelRatio, QPainter* painter,
                   const QWidget* widget) const {
    const bool horizontal = thumb.orientation == Qt::Horizontal;
    // The style's thumb reaches a pixel past the rectangle it reports.
    const QRect area = proxy()
                           ->subControlRect(CC_ScrollBar, &thumb, SC_ScrollBarSlider, widget)
                           .adjusted(-2, -2, 2, 2)
                           .intersected(thumb.rect);
    const int band = std::max(1, static_cast<int>(kBand / pixelRatio));
    const int end = horizontal ? area.right() : area.bottom();
    for (int start = horizontal ? area.left() : area.top(); start <= end; start += band) {
      const int length = std::min(band, end - start + 1);
      painter->save();
      painter->setClipRect(horizontal ? QRect(start, area.top(), length, area.height())
                                      : QRect(area.left(), start, area.width(), length),
                           Qt::IntersectClip);
      QProxyStyle::drawComplexControl(CC_ScrollBar, &thumb, painter, widget);
      painter->restore();
    }
  }

  QPixmap Groove(const QStyleOptionSlider& bar, qreal pixelRatio, const QWidget* widget) const {
    const QString key = QStringLiteral("kestrelon-groove-%1-%2x%3-%4-%5-%6-%7-%8")
                            .arg(bar.orientation)
                            .arg(bar.rect.width())
                            .arg(bar.rect.height())
                            .arg(bar.state.toInt())
                            .arg(bar.activeSubControls.toInt())
                            .arg(bar.palette.cacheKey())
                            .arg(pixelRatio)
                            .arg(bar.direction);
    QPixmap groove;
    if (QPixmapCache::find(key, &groove)) return groove;
    QImage image(bar.rect.size() * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QStyleOptionSlider only = bar;
    only.rect.moveTopLeft({0, 0});
    only.subControls = SC_ScrollBarGroove;
    QPainter painter(&image);
    QProxyStyle::drawComplexControl(CC_ScrollBar, &only, &painter, widget);
    painter.end();
    if (Opaque(image)) image = image.convertToFormat(QImage::Format_RGB32);
    groove = QPixmap::fromImage(image);
    QPixmapCache::insert(key, groove);
    return groove;
  }
};

}  // namespace

QtScrollBar::QtScrollBar(QWidget* container, const QString& name, const TwipRect& rect,
                         Qt::Orientation orientation)
    : QtControl(container, name, rect) {
  setStyle(BarStyle());
  setOrientation(orientation);
  setRange(0, 32767);
  setSingleStep(1);
  setPageStep(1);
  connect(this, &QAbstractSlider::valueChanged, this, [this] { Raise(onChange); });
}

QStyle* QtScrollBar::BarStyle() {
  static QPointer<QStyle> style;
  if (style.isNull()) {
    style = new GrooveCopyingStyle(QApplication::style()->name());
    style->setParent(qApp);
  }
  return style;
}

int QtScrollBar::Value() const { return value(); }

void QtScrollBar::SetValue(int value) {
  if (value < 0 || value > maximum()) throw toolkit::Refused("Value: outside 0 .. Max");
  setValue(value);
}

int QtScrollBar::Max() const { return maximum(); }

void QtScrollBar::SetMax(int max) {
  RefuseNegative(max, "Max");
  setMaximum(max);
}

bool QtScrollBar::Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }

void QtScrollBar::SetEnabled(bool enabled) { setEnabled(enabled); }

int QtScrollBar::SmallChange() const { return singleStep(); }

void QtScrollBar::SetSmallChange(int step) {
  RefuseNegative(step, "SmallChange");
  setSingleStep(step);
}

int QtScrollBar::LargeChange() const { return pageStep(); }

void QtScrollBar::SetLargeChange(int step) {
  RefuseNegative(step, "LargeChange");
  setPageStep(step);
}

void QtScrollBar::HoldRepaints() {
  if (held_ || !updatesEnabled()) return;
  held_ = Now();
  // The attribute itself, as setUpdatesEnabled would repaint the bar when it is cleared.
  setAttribute(Qt::WA_UpdatesDisabled, true);
}

void QtScrollBar::ReleaseRepaints() {
  if (!held_) return;
  setAttribute(Qt::WA_UpdatesDisabled, false);
  if (Now() != *std::exchange(held_, std::nullopt)) update();
}

void QtScrollBar::paintEvent(QPaintEvent* event) {
  if (isEnabled()) {
    QScrollBar::paintEvent(event);
  } else {
    // A disabled bar shows its groove and arrows but no thumb: with nothing to scroll, a thumb
    // filling the groove would still look as if it could be dragged.
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls =
        QStyle::SubControls(QStyle::SC_All).setFlag(QStyle::SC_ScrollBarSlider, false);
    style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
  }
  // The style draws no focus mark on a scroll bar; a bar that takes the focus needs one.
  PaintFocusFrame(*this);
}

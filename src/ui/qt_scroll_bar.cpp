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
// copied, and a vertical bar's thumb drawn in bands. The groove's long edge lines are what the
// style spends its time on: the raster engine hands every draw of more than about a hundred rows
// or pixels to worker threads, so a bar drawn afresh on each refresh cost several thread
// hand-offs. A groove that fills its rectangle is kept without alpha, so that it is copied whole
// rather than blended row by row; the copy shows exactly the pixels the style draws.
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
    const QPixmap groove = Groove(*bar, pixelRatio, widget);
    QStyleOptionSlider rest = *bar;
    rest.subControls &= ~SC_ScrollBarGroove;
    if (bar->orientation == Qt::Horizontal) {
      painter->drawPixmap(bar->rect.topLeft(), groove);
      QProxyStyle::drawComplexControl(control, &rest, painter, widget);
      return;
    }
    // A long thumb on a vertical bar is handed to the threads like the groove's lines. Drawn
    // over the groove in bands too short for that, it shows the same pixels; across a
    // horizontal bar the bands would shift a pixel of the thumb's edge.
    for (int top = 0; top < bar->rect.height(); top += kBand) {
      const QRect band(0, top, bar->rect.width(), std::min(kBand, bar->rect.height() - top));
      QImage image = groove.copy(QRect(band.topLeft() * pixelRatio, band.size() * pixelRatio))
                         .toImage();
      image.setDevicePixelRatio(pixelRatio);
      QPainter bandPainter(&image);
      bandPainter.translate(-bar->rect.topLeft() - band.topLeft());
      QProxyStyle::drawComplexControl(control, &rest, &bandPainter, widget);
      bandPainter.end();
      painter->drawImage(bar->rect.topLeft() + band.topLeft(), image);
    }
  }

 private:
  static constexpr int kBand = 64;  // rows; the raster engine hands 96 rows or more to threads

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

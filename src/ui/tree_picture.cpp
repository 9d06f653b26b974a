#include "ui/tree_picture.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "core/arithmetic/number_text.h"
#include "core/tree/tree_model.h"
#include "ui/qt_control.h"

namespace {

// An image larger than this (in pixels) is drawn at a smaller scale: the described layout of a
// deep tree is mostly empty room, hundreds of thousands of pixels wide.
constexpr double kMaxImagePixels = 32.0 * 1024 * 1024;
constexpr double kMaxImageSide = 32000;

QRectF PixelRect(double left, double top, double width, double height) {
  const double t = toolkit::kTwipsPerPixel;
  return {left / t, top / t, width / t, height / t};
}

void PaintBox(QPainter& painter, const QRectF& box, const QColor& back, const QString& text,
              Qt::Alignment alignment, bool arrow) {
  painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
  painter.setBrush(back);
  painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
  QRectF textRect = box.adjusted(3, 0, -3, 0);
  if (arrow) {
    // The drop-down button of a node box: a small triangle at the right end.
    const double side = box.height() * 0.6;
    const QRectF button(box.right() - side - 2, box.top() + (box.height() - side) / 2, side, side);
    const QPointF tip[] = {{button.left() + side * 0.2, button.top() + side * 0.35},
                           {button.right() - side * 0.2, button.top() + side * 0.35},
                           {button.center().x(), button.bottom() - side * 0.3}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(tip, 3);
    textRect.setRight(button.left() - 2);
  }
  painter.setPen(Qt::black);
  // A value wider than its box shows its first digits, as the box does out of focus.
  if (painter.fontMetrics().horizontalAdvance(text) > textRect.width()) alignment = Qt::AlignLeft;
  painter.drawText(textRect, alignment | Qt::AlignVCenter, text);
}

}  // namespace

void PaintTree(QPainter& painter, const TreeDrawing& drawing, const TreePictureStyle& style) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(style.font);

  // The lines first, so that no line crosses a node: from the middle of the parent's bottom edge
  // to the middle of the child's top edge.
  std::unordered_map<double, const DrawnNode*> byId;
  for (const DrawnNode& node : drawing.nodes) byId.emplace(node.id, &node);
  painter.setPen(QPen(ToQColor(FactorTree::kRed), style.penWidth, Qt::SolidLine, Qt::RoundCap));
  const double half = drawing.nodeWidth / 2;
  for (const DrawnNode& node : drawing.nodes) {
    if (node.id == 1) continue;
    const auto parent = byId.find(tree::ParentNode(node.id));
    if (parent == byId.end()) continue;
    const double t = toolkit::kTwipsPerPixel;
    painter.drawLine(
        QPointF((parent->second->left + half) / t, (parent->second->top + drawing.nodeHeight) / t),
        QPointF((node.left + half) / t, node.top / t));
  }

  for (const DrawnNode& node : drawing.nodes) {
    const QRectF box = PixelRect(node.left, node.top, drawing.nodeWidth, drawing.nodeHeight);
    if (!style.boxes) {
      painter.setPen(ToQColor(node.prime ? FactorTree::kBlue : FactorTree::kBlack));
      painter.drawText(box, Qt::AlignCenter, modMain::GroupedText(node.value, QLocale()));
    } else if (node.id == 1) {
      PaintBox(painter, box, style.rootBack, modMain::PlainText(node.value), Qt::AlignHCenter,
               false);
    } else {
      PaintBox(painter, box, ToQColor(node.prime ? FactorTree::kYellow : FactorTree::kWhite),
               modMain::PlainText(node.value), Qt::AlignLeft, true);
    }
  }
}

QImage TreeImage(const TreeDrawing& drawing, const TreePictureStyle& style, double scale) {
  const double width = std::ceil(drawing.width / toolkit::kTwipsPerPixel);
  const double height = std::ceil(drawing.height / toolkit::kTwipsPerPixel);
  if (!(width > 0 && height > 0)) return {};
  scale = std::min({scale, std::sqrt(kMaxImagePixels / (width * height)), kMaxImageSide / width,
                    kMaxImageSide / height});
  QImage image(std::max(1, static_cast<int>(std::ceil(width * scale))),
               std::max(1, static_cast<int>(std::ceil(height * scale))), QImage::Format_RGB32);
  // Filled once here: writing a picture this size is most of the work.
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.scale(scale, scale);
  PaintTree(painter, drawing, style);
  return image;
}

QByteArray TreeSvg(const TreeDrawing& drawing, const TreePictureStyle& style) {
  QByteArray svg;
  QBuffer buffer(&svg);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  const QSize size(static_cast<int>(std::ceil(drawing.width / toolkit::kTwipsPerPixel)),
                   static_cast<int>(std::ceil(drawing.height / toolkit::kTwipsPerPixel)));
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(), size));
  generator.setTitle(QCoreApplication::translate("frmMain", "Factor tree"));
  // Sizes in the document's units match the screen's, and so do the fonts' point sizes.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    generator.setResolution(qRound(screen->logicalDotsPerInch()));
  }
  {
    QPainter painter(&generator);
    painter.fillRect(QRect(QPoint(), size), Qt::white);
    PaintTree(painter, drawing, style);
  }
  return svg;
}

void CopyTreePicture(const TreeDrawing& drawing, const TreePictureStyle& style, double scale) {
  if (drawing.nodes.empty()) return;
  auto* data = new QMimeData;
  data->setImageData(TreeImage(drawing, style, scale));
  data->setData(QStringLiteral("image/svg+xml"), TreeSvg(drawing, style));
  QGuiApplication::clipboard()->setMimeData(data);
}

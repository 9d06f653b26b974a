#pragma once
// A factor tree as a picture for the clipboard: the whole tree of a canvas drawn from the model and
// the layout's places, however far the canvas is scrolled, on white, with the colours and lines
// the canvas shows. The clipboard gets it as an image and as SVG.

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>

#include "core/tree/factor_tree.h"

class QPainter;

// How one canvas draws its nodes: as boxes with their values (the interactive tree, whose root is
// the number box) or as captions (the read-only tree).
struct TreePictureStyle {
  QFont font;
  bool boxes = false;
  int penWidth = 1;  // the lines', in pixels
  QColor rootBack;   // the root box's background
};

// Paints the tree in pixels of the screen, the top left corner of its content at (0, 0), over
// the white the caller has laid down.
void PaintTree(QPainter& painter, const TreeDrawing& drawing, const TreePictureStyle& style);

// The whole tree, `scale` image pixels to a screen pixel.
QImage TreeImage(const TreeDrawing& drawing, const TreePictureStyle& style, double scale);
QByteArray TreeSvg(const TreeDrawing& drawing, const TreePictureStyle& style);

// Puts the tree on the clipboard as an image and as image/svg+xml; nothing while there is no tree.
void CopyTreePicture(const TreeDrawing& drawing, const TreePictureStyle& style, double scale);

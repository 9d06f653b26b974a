#pragma once
// The scroll bars of a tree canvas: kept on the canvas's edges, enabled only when the tree needs
// more room than the canvas shows, the horizontal one starting in the middle, where the root is.

#include "toolkit/toolkit.h"

// A tree canvas with its bars and the corner square between them.
struct CanvasControls {
  toolkit::PictureBox& picture;
  toolkit::PictureBox& corner;
  toolkit::ScrollBar& hs;
  toolkit::ScrollBar& vs;
};

// Sets the bars from the room the tree needs. The sizes are read afresh in every step, since
// setting a bar raises its change event, which may lay the trees out, or even refresh them, on
// the way. Every step that fails is skipped. The view starts with the root in its middle: the
// middle of the content, or `rootMiddle` twips from its left edge when given.
void SetupCanvasScroll(CanvasControls& canvas, const float& contentWidth,
                       const float& contentHeight, const float* rootMiddle = nullptr);

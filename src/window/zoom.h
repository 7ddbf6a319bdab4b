// The sheet's zoom: the whole window (controls, fonts, pictures, cursors)
// drawn at one scale of its twip layout, so that it fits small screens and
// reads well on large ones.
#pragma once

#include <QRect>
#include <QSize>

#include "layout/layout.h"

namespace orvandel {

// The zooms the player steps through, smallest first; 1 is the sheet's own
// size (15 twips to a pixel).
double zoomedIn(double zoom);
double zoomedOut(double zoom);

// The largest step of at most 1 at which the window, with `decoration`
// (title bar and borders) around it, fits `available`; the smallest step
// when none does.
double fittingZoom(QSize decoration, QSize available);

// A place or the client area in pixels at `zoom`.
QRect zoomedRect(const Twips& place, double zoom);
QSize zoomedClientSize(double zoom);

}  // namespace orvandel

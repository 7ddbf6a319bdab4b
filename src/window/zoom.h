// The sheet's zoom: the whole window (controls, fonts, pictures, cursors)
// drawn at one scale of its twip layout, so that it fits small screens and
// reads well on large ones.
#pragma once

#include <QRect>
#include <QSize>
#include <array>

#include "layout/layout.h"

namespace orvandel {

// Before the window manager has framed the window, its title bar and
// borders are not known: room for those of the usual desktops (title bars
// of 22 to 32 pixels, borders of 0 to 4).
inline constexpr QSize kUsualDecoration{8, 32};

// The zooms the player steps through, smallest first; 1 is the sheet's own
// size (15 twips to a pixel). The usual steps of document viewers: small
// enough to reach the fit of a 1280 × 720 screen, large enough for a 4K
// screen at 100 % scale.
inline constexpr auto kZoomSteps =
    std::to_array({0.5, 0.6, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5});
double zoomedIn(double zoom);
double zoomedOut(double zoom);

// The largest step of at most `atMost` at which the window, with
// `decoration` (title bar and borders) around it, fits `available`; the
// smallest step when none does.
double fittingZoom(QSize decoration, QSize available, double atMost = 1.0);

// Where a window's `frame` goes so that it lies inside `available`: where it
// is, or moved the least; against the top left corner when it is larger.
QPoint keptInside(const QRect& frame, const QRect& available);

// A place or the client area in pixels at `zoom`.
QRect zoomedRect(const Twips& place, double zoom);
QSize zoomedClientSize(double zoom);

}  // namespace orvandel

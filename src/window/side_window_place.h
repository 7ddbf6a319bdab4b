// Where a window that explains the sheet (the roll journal) goes: beside
// the sheet where the screen leaves room, else below or above it, so that
// it never hides what it explains. The sheet moves within the screen when
// that makes the room; the side window shrinks to the room there is.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace orvandel {

struct SidePlacement {
  QRect side;         // the side window's frame
  QPoint sheetFrame;  // where the sheet's frame goes: where it was when it need not move
};

// `sheet`: the sheet window's frame; `available`: the screen's area left
// free by panels; `wanted`: the side window's usual frame size; `smallest`:
// the least frame size worth reading. When no side leaves `smallest`, the
// side window takes the screen's lower right corner over the sheet.
SidePlacement placeBesideSheet(const QRect& sheet, const QRect& available, QSize wanted, QSize smallest);

}  // namespace orvandel

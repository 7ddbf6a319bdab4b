#include "window/side_window_place.h"

#include <algorithm>
#include <utility>

#include "window/zoom.h"

namespace orvandel {
namespace {

// Along one axis: the sheet from `at`, `length` long, in the room from
// `low`, `room` long, and a side window `side` long. Returns where the side
// window starts and where the sheet then starts: after the sheet where
// there is more room after it, before it otherwise; the sheet moves the
// least that makes the room.
std::pair<int, int> besideOnAxis(int at, int length, int low, int room, int side) {
  const int high = low + room;
  const int after = high - (at + length);
  const int before = at - low;
  if (after >= before) {
    const int sheetAt = std::min(at, high - side - length);
    return {sheetAt + length, sheetAt};
  }
  const int sheetAt = std::max(at, low + side);
  return {sheetAt - side, sheetAt};
}

// Across the axis: the side window starts level with the sheet, inside the
// room.
int levelWith(int at, int low, int room, int side) { return std::clamp(at, low, low + room - side); }

}  // namespace

SidePlacement placeBesideSheet(const QRect& sheet, const QRect& available, QSize wanted, QSize smallest) {
  const QRect inside(keptInside(sheet, available), sheet.size());
  const int spareWidth = available.width() - inside.width();
  const int spareHeight = available.height() - inside.height();
  if (spareWidth >= smallest.width()) {
    const QSize side(std::min(wanted.width(), spareWidth), std::min(wanted.height(), available.height()));
    const auto [x, sheetX] =
        besideOnAxis(inside.left(), inside.width(), available.left(), available.width(), side.width());
    const int y = levelWith(inside.top(), available.top(), available.height(), side.height());
    return {QRect(QPoint(x, y), side), QPoint(sheetX, inside.top())};
  }
  if (spareHeight >= smallest.height()) {
    const QSize side(std::min(wanted.width(), available.width()), std::min(wanted.height(), spareHeight));
    const auto [y, sheetY] =
        besideOnAxis(inside.top(), inside.height(), available.top(), available.height(), side.height());
    const int x = levelWith(inside.left(), available.left(), available.width(), side.width());
    return {QRect(QPoint(x, y), side), QPoint(inside.left(), sheetY)};
  }
  const QSize side = wanted.boundedTo(available.size());
  return {QRect(available.topLeft() +
                    QPoint(available.width() - side.width(), available.height() - side.height()),
                side),
          inside.topLeft()};
}

}  // namespace orvandel

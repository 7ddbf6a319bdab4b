#include "window/sign_caption.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orvandel {
namespace {

constexpr QChar kPlus = u'+';
constexpr QChar kEquals = u'=';

int whole(double pixels) { return static_cast<int>(std::lround(pixels)); }

// The strokes of a sign whose font is `pixels` high: one pixel thick up to
// 15 pixels, and a gap between the bars of "=" of at least one pixel.
int strokeFor(int pixels) { return std::max(1, whole(pixels / 10.0)); }
int gapFor(int pixels) { return std::max(1, whole(pixels / 5.0)); }

}  // namespace

bool isDrawnSign(const QString& caption) { return caption == kPlus || caption == kEquals; }

void SignCaption::paintEvent(QPaintEvent* /*event*/) {
  const QFontMetricsF metrics(font());
  // Where the font would leave the glyph's ink: from its baseline in the
  // caption's first line, placed as the caption aligns its text.
  const QRectF ink = metrics.tightBoundingRect(text());
  const QRectF line = contentsRect();
  const double left =
      alignment() & Qt::AlignHCenter ? line.center().x() - ink.width() / 2 : line.left() + ink.left();
  const double middle = line.top() + metrics.ascent() + ink.center().y();

  const int pixels = font().pixelSize();
  const int stroke = strokeFor(pixels);
  const int width = std::max(3, whole(ink.width()));
  const int x = whole(left);
  QPainter painter(this);
  const QColor colour = palette().color(foregroundRole());
  if (text() == kEquals) {
    const int gap = gapFor(pixels);
    const int top = whole(middle - (2 * stroke + gap) / 2.0);
    painter.fillRect(x, top, width, stroke, colour);
    painter.fillRect(x, top + stroke + gap, width, stroke, colour);
    return;
  }
  // "+": arms of equal length, odd so that the cross has a middle pixel.
  const int arms = width | 1;
  const int top = whole(middle - arms / 2.0);
  const int centre = x + (arms - stroke) / 2;
  painter.fillRect(x, top + (arms - stroke) / 2, arms, stroke, colour);
  painter.fillRect(centre, top, stroke, arms, colour);
}

}  // namespace orvandel

#include "window/status_line.h"

#include "layout/layout.h"
#include "window/fonts.h"
#include "window/qt_text.h"
#include "window/zoom.h"

namespace orvandel {
namespace {

// The margin strip under the frame (which ends at 10935), from the left
// picture's edge to short of the right one, above the client area's end.
constexpr Twips kStatusPlace{2280, 10950, 8800, 300};

}  // namespace

StatusLine::StatusLine(QWidget& window, double zoom) : SpokenLabel(&window) {
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setZoom(zoom);
}

void StatusLine::say(const std::string& sentence) { SpokenLabel::say(qtText(sentence)); }

void StatusLine::setZoom(double zoom) {
  setGeometry(zoomedRect(kStatusPlace, zoom));
  setFont(sheetFont(kWindowFont, zoom));
}

}  // namespace orvandel

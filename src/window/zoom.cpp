#include "window/zoom.h"

#include <algorithm>
#include <cmath>

namespace orvandel {
namespace {

// Steps are compared with room for rounding: 0.67 is a step, 0.6700001 too.
constexpr double kSameStep = 1e-6;

}  // namespace

double zoomedIn(double zoom) {
  const auto next = std::find_if(kZoomSteps.begin(), kZoomSteps.end(),
                                 [zoom](double step) { return step > zoom + kSameStep; });
  return next == kZoomSteps.end() ? kZoomSteps.back() : *next;
}

double zoomedOut(double zoom) {
  const auto next = std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(),
                                 [zoom](double step) { return step < zoom - kSameStep; });
  return next == kZoomSteps.rend() ? kZoomSteps.front() : *next;
}

double fittingZoom(QSize decoration, QSize available, double atMost) {
  for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step) {
    const QSize needed = zoomedClientSize(*step) + decoration;
    if (*step <= atMost + kSameStep && needed.width() <= available.width() &&
        needed.height() <= available.height())
      return *step;
  }
  return kZoomSteps.front();
}

QPoint keptInside(const QRect& frame, const QRect& available) {
  auto within = [](int at, int size, int low, int room) {
    return std::max(low, std::min(at, low + room - size));
  };
  return {within(frame.left(), frame.width(), available.left(), available.width()),
          within(frame.top(), frame.height(), available.top(), available.height())};
}

QRect zoomedRect(const Twips& place, double zoom) {
  return {twipsToPixels(place.left, zoom), twipsToPixels(place.top, zoom), twipsToPixels(place.width, zoom),
          twipsToPixels(place.height, zoom)};
}

QSize zoomedClientSize(double zoom) {
  return {twipsToPixels(kClientWidthTwips, zoom), twipsToPixels(kClientHeightTwips, zoom)};
}

}  // namespace orvandel

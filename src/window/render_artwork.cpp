// orvandel-render-artwork IN.svg OUT [CONTROL | SIZE]: draws one piece of
// the program's artwork at the size it is shown: the box of the picture
// control CONTROL, a square of SIZE pixels such as the window's icon, or the
// drawing's own size, as a picture file such as the desktop's icons. An OUT
// ending in ".pixels" gets the piece at that size at each zoom step the
// window can open at, and at twice 100 % for HiDPI screens, as the window's
// stored pictures (see picture_set.h): the window then opens without drawing
// vectors, decoding or scaling a picture. An OUT ending in ".pic" keeps the
// vectors: Qt's recorded drawing (QPicture) at the size at 100 %, which paper
// replays at any resolution.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QSvgRenderer>
#include <QTextStream>
#include <cmath>
#include <vector>

#include "layout/layout.h"
#include "window/picture_set.h"
#include "window/zoom.h"

namespace {

// A size drawn at `zoom`, as the window sizes its cursors.
QSize zoomedSide(QSize size, double zoom) {
  return {static_cast<int>(std::lround(size.width() * zoom)),
          static_cast<int>(std::lround(size.height() * zoom))};
}

// The size of the control's box in pixels at `zoom`, as the window places
// it, or of a square of that many pixels at 100 %; an empty size for
// neither.
QSize shownSize(const QString& box, double zoom = 1.0) {
  bool square = false;
  const int side = box.toInt(&square);
  if (square) return side > 0 ? zoomedSide(QSize(side, side), zoom) : QSize();
  for (const auto& row : orvandel::characterWindowLayout())
    if (QString::fromStdString(row.name) == box)
      return {orvandel::twipsToPixels(row.place.width, zoom),
              orvandel::twipsToPixels(row.place.height, zoom)};
  return {};
}

// The drawing as vectors, stretched to `box` as the window stretches it.
int recordVectors(QSvgRenderer& renderer, QSize box, const QString& out) {
  QPicture picture;
  QPainter painter(&picture);
  renderer.render(&painter,
                  QRectF(QPointF(0, 0), box.isEmpty() ? QSizeF(renderer.defaultSize()) : QSizeF(box)));
  painter.end();
  if (!picture.save(out)) {
    QTextStream(stderr) << "cannot write " << out << "\n";
    return 1;
  }
  return 0;
}

bool opaque(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(row[x]) != 255) return false;
  }
  return true;
}

// The drawing stretched to `size`, smoothed; without an alpha channel when
// it covers every pixel.
QImage drawn(QSvgRenderer& renderer, QSize size) {
  QImage picture(size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  painter.end();
  return opaque(picture) ? picture.convertToFormat(QImage::Format_RGB32) : picture;
}

// The piece's size at `zoom`.
QSize sizeAt(const QSvgRenderer& renderer, const QString& box, double zoom) {
  return box.isEmpty() ? zoomedSide(renderer.defaultSize(), zoom) : shownSize(box, zoom);
}

// The piece at each zoom step the window opens at (at most 100 %), then at
// twice 100 %.
int writePictures(QSvgRenderer& renderer, const QString& box, const QString& out) {
  std::vector<QImage> pictures;
  for (const double step : orvandel::kZoomSteps)
    if (step <= 1.0) pictures.push_back(drawn(renderer, sizeAt(renderer, box, step)));
  pictures.push_back(drawn(renderer, sizeAt(renderer, box, 1.0) * 2));
  QFile file(out);
  const QByteArray packed = orvandel::packPictures(pictures);
  if (!file.open(QIODevice::WriteOnly) || file.write(packed) != packed.size()) {
    QTextStream(stderr) << "cannot write " << out << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  const QString box = args.size() == 4 ? args[3] : QString();
  if ((args.size() != 3 && args.size() != 4) || (!box.isEmpty() && shownSize(box).isEmpty())) {
    QTextStream(stderr) << "usage: orvandel-render-artwork IN.svg OUT [PICTURE-CONTROL | SIZE]\n";
    return 2;
  }
  QSvgRenderer renderer(args[1]);
  if (!renderer.isValid()) {
    QTextStream(stderr) << "cannot read " << args[1] << "\n";
    return 1;
  }
  if (args[2].endsWith(QLatin1String(".pic"))) return recordVectors(renderer, shownSize(box), args[2]);
  if (args[2].endsWith(QLatin1String(".pixels"))) return writePictures(renderer, box, args[2]);
  if (!drawn(renderer, sizeAt(renderer, box, 1.0)).save(args[2])) {
    QTextStream(stderr) << "cannot write " << args[2] << "\n";
    return 1;
  }
  return 0;
}

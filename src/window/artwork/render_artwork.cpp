// orvandel-render-artwork IN.svg OUT SCALE [CONTROL | SIZE]: renders one
// piece of the program's artwork at the size it is shown (the box of the
// picture control CONTROL, a square of SIZE pixels such as a desktop icon,
// or the drawing's own size) times SCALE. The build turns the SVG sources
// into pictures once, so the window starts without drawing vectors or
// scaling pictures, and each icon size is drawn from the vectors. An OUT
// ending in ".pic" keeps the vectors: Qt's recorded drawing (QPicture) at the
// box's size, which paper replays at any resolution.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QSvgRenderer>
#include <QTextStream>

#include "layout/layout.h"

namespace {

// The size of the control's box in pixels, or of a square of that many
// pixels; an empty size for neither.
QSize shownSize(const QString& box) {
  bool square = false;
  const int side = box.toInt(&square);
  if (square) return side > 0 ? QSize(side, side) : QSize();
  for (const auto& row : orvandel::characterWindowLayout())
    if (QString::fromStdString(row.name) == box)
      return {orvandel::twipsToPixels(row.place.width), orvandel::twipsToPixels(row.place.height)};
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

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  bool scaleRead = false;
  const int scale = args.size() == 4 || args.size() == 5 ? args[3].toInt(&scaleRead) : 0;
  const QSize box = args.size() == 5 ? shownSize(args[4]) : QSize();
  if (!scaleRead || scale < 1 || (args.size() == 5 && box.isEmpty())) {
    QTextStream(stderr) << "usage: orvandel-render-artwork IN.svg OUT SCALE [PICTURE-CONTROL | SIZE]\n";
    return 2;
  }
  QSvgRenderer renderer(args[1]);
  if (!renderer.isValid()) {
    QTextStream(stderr) << "cannot read " << args[1] << "\n";
    return 1;
  }
  if (args[2].endsWith(QLatin1String(".pic"))) return recordVectors(renderer, box, args[2]);
  QImage picture((box.isEmpty() ? renderer.defaultSize() : box) * scale, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  painter.end();
  if (!picture.save(args[2])) {
    QTextStream(stderr) << "cannot write " << args[2] << "\n";
    return 1;
  }
  return 0;
}

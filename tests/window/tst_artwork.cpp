// The artwork as the window shows it: at every zoom the window opens at,
// each picture and cursor is one the build drew from the vectors at exactly
// that size, not a scaled copy; and how a stored set answers a size it holds,
// one it does not, and a damaged set.
#include <QLabel>
#include <QResource>
#include <QtTest>
#include <memory>

#include "core/dice.h"
#include "layout/layout.h"
#include "window/character_window.h"
#include "window/picture_set.h"
#include "window/zoom.h"

namespace orvandel {
namespace {

std::vector<QImage> storedPictures(const char* resource) {
  return unpackPictures(QResource(QString::fromUtf8(resource)).uncompressedData());
}

bool isStored(const QPixmap& shown, const char* resource) {
  const QImage image = shown.toImage();
  for (const QImage& stored : storedPictures(resource))
    if (stored.convertToFormat(image.format()) == image) return true;
  return false;
}

QImage filled(QSize size, Qt::GlobalColor colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

}  // namespace

class ArtworkTest : public QObject {
  Q_OBJECT

 private slots:
  void openingStepsShowStoredPictures() {
    for (const double zoom : kZoomSteps) {
      if (zoom > 1.0) continue;
      CharacterWindow window(std::make_unique<SeededDice>(1), zoom);
      const QByteArray step = QByteArray::number(zoom * 100) + " %: ";
      for (const ControlRow& row : characterWindowLayout()) {
        if (!row.picture) continue;
        const auto* picture = window.findChild<QLabel*>(QString::fromStdString(row.name));
        QVERIFY2(isStored(picture->pixmap(), row.picture), (step + row.name.c_str()).constData());
      }
      QVERIFY2(isStored(window.cursor().pixmap(), kSheetCursor.picture), (step + "cursor").constData());
    }
  }

  void choosesTheClosestPicture_data() {
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QColor>("from");
    QTest::newRow("held") << QSize(20, 20) << QColor(Qt::green);
    QTest::newRow("between: the next larger") << QSize(15, 12) << QColor(Qt::green);
    QTest::newRow("wider than tall") << QSize(30, 10) << QColor(Qt::blue);
    QTest::newRow("smaller than all") << QSize(4, 4) << QColor(Qt::red);
    QTest::newRow("larger than all") << QSize(90, 50) << QColor(Qt::blue);
  }

  void choosesTheClosestPicture() {
    QFETCH(QSize, wanted);
    QFETCH(QColor, from);
    const QByteArray packed =
        packPictures({filled({10, 10}, Qt::red), filled({40, 40}, Qt::blue), filled({20, 20}, Qt::green)});
    const QImage picture = unpackPicture(packed, wanted);
    QCOMPARE(picture.size(), wanted);
    QCOMPARE(picture.pixelColor(wanted.width() / 2, wanted.height() / 2), from);
  }

  void keepsTransparency() {
    QImage glass(8, 8, QImage::Format_ARGB32_Premultiplied);
    glass.fill(Qt::transparent);
    glass.setPixelColor(3, 3, QColor(255, 0, 0, 128));
    const QImage back = unpackPicture(packPictures({glass}), {8, 8});
    QCOMPARE(back.convertToFormat(glass.format()), glass);
  }

  void damagedSetGivesItsWholePictures() {
    const QByteArray packed = packPictures({filled({10, 10}, Qt::red), filled({20, 20}, Qt::green)});
    QCOMPARE(unpackPictures(packed).size(), std::size_t{2});
    QCOMPARE(unpackPictures(packed.chopped(1)).size(), std::size_t{1});
    QCOMPARE(unpackPicture(packed.chopped(1), {20, 20}).pixelColor(5, 5), QColor(Qt::red));
    QVERIFY(unpackPicture(packed.first(11), {20, 20}).isNull());
    QVERIFY(unpackPicture(QByteArray(64, '\xff'), {20, 20}).isNull());
  }
};

}  // namespace orvandel

QTEST_MAIN(orvandel::ArtworkTest)
#include "tst_artwork.moc"

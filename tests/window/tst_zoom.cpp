// The zoomed sheet: every control, font, picture and cursor at the zoom's
// scale of the layout table, the zoom keys, and the start-up zoom that fits
// the screen; the zoom commands while they have a step to take; the status
// line under the sheet at every step.
#include <QAction>
#include <QLabel>
#include <QtTest>
#include <cmath>
#include <memory>

#include "core/dice.h"
#include "layout/layout.h"
#include "window/character_window.h"
#include "window/status_line.h"
#include "window/zoom.h"

namespace orvandel {
namespace {

QAction* command(const CharacterWindow& window, const char* text) {
  for (QAction* action : window.actions())
    if (action->text() == QString::fromUtf8(text)) return action;
  return nullptr;
}

}  // namespace

class ZoomTest : public QObject {
  Q_OBJECT

 private slots:
  void everythingScalesTogether_data() {
    QTest::addColumn<double>("zoom");
    QTest::newRow("80 %") << 0.8;
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("150 %") << 1.5;
  }

  void everythingScalesTogether() {
    QFETCH(double, zoom);
    CharacterWindow window(std::make_unique<SeededDice>(1));
    window.setZoom(1.25);  // from another zoom, not only from the start
    window.setZoom(zoom);
    auto scaled = [zoom](int twips) { return twips * zoom / 15; };
    QVERIFY(std::abs(window.width() - scaled(kClientWidthTwips)) <= 1);
    QVERIFY(std::abs(window.height() - scaled(kClientHeightTwips)) <= 1);
    QVERIFY(std::abs(window.cursor().pixmap().deviceIndependentSize().width() - 32 * zoom) <= 1);
    for (const ControlRow& row : characterWindowLayout()) {
      const auto* w = window.findChild<QWidget*>(QString::fromStdString(row.name));
      const QRect g = w->geometry();
      const QRectF expected(scaled(row.place.left), scaled(row.place.top), scaled(row.place.width),
                            scaled(row.place.height));
      QVERIFY2(std::abs(g.left() - expected.left()) <= 1 && std::abs(g.top() - expected.top()) <= 1 &&
                   std::abs(g.width() - expected.width()) <= 1 &&
                   std::abs(g.height() - expected.height()) <= 1,
               row.name.c_str());
      // Whole pixels at 96 dots per inch, within a pixel below the zoomed size.
      const double pixels = row.look.font.points * 96 / 72 * zoom;
      QVERIFY2(w->font().pixelSize() <= pixels + 1e-6 && w->font().pixelSize() > pixels - 1,
               row.name.c_str());
      if (row.picture)
        QCOMPARE(qobject_cast<const QLabel*>(w)->pixmap().deviceIndependentSize(), QSizeF(g.size()));
    }
  }

  void zoomKeys() {
    CharacterWindow window(std::make_unique<SeededDice>(1), 0.5);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget* box = window.findChild<QWidget*>("forc");
    box->setFocus();
    const QSize smallest = window.size();
    QTest::keyClick(box, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(window.zoom(), 0.6);
    QTest::keyClick(box, Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(window.zoom(), 0.67);
    QTest::keyClick(box, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(window.zoom(), 0.6);
    QVERIFY(window.width() > smallest.width());
    // 100 %, or the largest step that the test's screen holds.
    QTest::keyClick(box, Qt::Key_0, Qt::ControlModifier);
    const QSize available = window.screen()->availableGeometry().size();
    QCOMPARE(window.zoom(), fittingZoom(window.decoration(), available));
  }

  void startupFitsTheScreen_data() {
    QTest::addColumn<QRect>("available");
    QTest::addColumn<double>("zoom");
    // clang-format off
    QTest::newRow("full HD") << QRect(0, 0, 1920, 1040) << 1.0;
    QTest::newRow("1366 x 768 with a taskbar") << QRect(0, 0, 1366, 728) << 0.9;
    QTest::newRow("second screen with a top panel") << QRect(1920, 28, 1024, 740) << 0.9;
    QTest::newRow("800 x 600") << QRect(0, 0, 800, 600) << 0.75;
    QTest::newRow("800 x 600 with a panel") << QRect(0, 0, 800, 560) << 0.67;
    QTest::newRow("too small for any zoom") << QRect(0, 0, 300, 200) << 0.5;
    // clang-format on
  }

  // The largest zoom of at most 100 % that fits, with the window inside the
  // area.
  void startupFitsTheScreen() {
    QFETCH(QRect, available);
    QFETCH(double, zoom);
    CharacterWindow window(std::make_unique<SeededDice>(1));
    window.fitInto(available);
    QCOMPARE(window.zoom(), zoom);
    if (zoom > 0.5) QVERIFY(available.contains(window.frameGeometry()));
  }

  // Zooming in from a window near the screen's lower right corner moves it
  // so that its frame stays inside the screen's free area, and stops at the
  // largest step that fits.
  void zoomingInStaysOnTheScreen() {
    CharacterWindow window(std::make_unique<SeededDice>(1), 0.5);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QRect available = window.screen()->availableGeometry();
    window.move(available.bottomRight() - QPoint(window.width(), window.height()));
    const double fits = fittingZoom(window.decoration(), available.size(), 2.5);
    QVERIFY(fits < 2.5);  // the screen is too small for the largest step
    for (int press = 0; press < 12; ++press) {
      QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
      QVERIFY(window.zoom() <= fits);
      QVERIFY2(available.contains(QRect(window.pos(), window.size() + window.decoration())),
               qPrintable(QStringLiteral("at %1 %").arg(window.zoom() * 100)));
    }
    QCOMPARE(window.zoom(), fits);
    QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY(window.zoom() < fits);  // zooming out is never held back
  }

  // Zoom avant stops at the largest step the screen holds, Zoom arrière at
  // 50 %; the status line says where the zoom stands.
  void zoomCommandsAtTheirEnds() {
    CharacterWindow window(std::make_unique<SeededDice>(1), 0.6);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QAction* in = command(window, "Zoom avant");
    QAction* out = command(window, "Zoom arrière");
    QVERIFY(in->isEnabled() && out->isEnabled());
    out->trigger();
    QCOMPARE(window.zoom(), 0.5);
    QVERIFY(in->isEnabled() && !out->isEnabled());
    QCOMPARE(window.status(), QStringLiteral("Zoom 50 % (le plus petit)"));
    window.zoomOut();
    QCOMPARE(window.status(), QStringLiteral("Zoom déjà au plus petit (50 %)"));

    const double largest = fittingZoom(window.decoration(), window.screen()->availableGeometry().size(), 2.5);
    for (int step = 0; step < 12 && in->isEnabled(); ++step) in->trigger();
    QCOMPARE(window.zoom(), largest);
    QVERIFY(!in->isEnabled() && out->isEnabled());
    const QString percent = QString::number(qRound(largest * 100));
    QCOMPARE(window.status(), QStringLiteral("Zoom %1 % (le plus grand)").arg(percent));
    window.zoomIn();
    QCOMPARE(window.status(), QStringLiteral("Zoom déjà au plus grand (%1 %)").arg(percent));
  }

  // In the margin under the frame, between the side pictures and left of
  // QUITTER, at every step: nothing of the sheet is covered.
  void statusLineCoversNothing() {
    CharacterWindow window(std::make_unique<SeededDice>(1));
    const auto* status = window.findChild<StatusLine*>();
    for (const double zoom : kZoomSteps) {
      window.setZoom(zoom);
      const QRect line = status->geometry();
      QVERIFY(window.rect().contains(line));
      for (const char* other : {"Frame1", "Command2", "Image1", "Image2"})
        QVERIFY2(!line.intersects(window.findChild<QWidget*>(other)->geometry()),
                 qPrintable(QStringLiteral("%1 at %2 %").arg(other).arg(zoom * 100)));
      QVERIFY(status->fontMetrics().height() <= line.height());
    }
  }

  // Opened at a zoom, the window is built at it: every control in place at
  // once, as when stepped to it.
  void openedAtAZoom() {
    CharacterWindow opened(std::make_unique<SeededDice>(1), 0.75);
    CharacterWindow stepped(std::make_unique<SeededDice>(1));
    stepped.setZoom(0.75);
    QCOMPARE(opened.size(), stepped.size());
    for (const ControlRow& row : characterWindowLayout()) {
      const auto* a = opened.findChild<QWidget*>(QString::fromStdString(row.name));
      const auto* b = stepped.findChild<QWidget*>(QString::fromStdString(row.name));
      QCOMPARE(a->geometry(), b->geometry());
      QCOMPARE(a->font(), b->font());
    }
  }
};

}  // namespace orvandel

QTEST_MAIN(orvandel::ZoomTest)
#include "tst_zoom.moc"

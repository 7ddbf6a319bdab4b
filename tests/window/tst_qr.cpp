// The share link as a QR code: a scanner (zbarimg) reads back exactly the
// link, short or close to what a QR code holds, from the picture and from
// the dialog; the dialog draws it at least 8 cm wide, in sharp black and
// white modules, names it for screen readers, and copies exactly the link.
#include <QClipboard>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "support/qr_scan.h"
#include "window/qr_dialog.h"
#include "window/qr_image.h"

namespace orvandel {
namespace {

const QString kShortLink = QStringLiteral("https://orvandel.example/#r=1h3kq9z2a.c12a2");

// A sheet's link: 2 000 characters of base64url, as a compressed sheet
// makes them.
QString longLink() {
  const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_");
  QRandomGenerator letters(29);
  QString link = QStringLiteral("https://orvandel.example/#fiche=");
  for (int i = 0; i < 2000; ++i) link += alphabet[letters.bounded(static_cast<int>(alphabet.size()))];
  return link;
}

// Whether every pixel is pure black or white: no blurred module edge.
bool blackAndWhite(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (pixel != qRgb(0, 0, 0) && pixel != qRgb(255, 255, 255)) return false;
    }
  }
  return true;
}

QPushButton* button(const QDialog& dialog, const char* text) {
  for (QPushButton* found : dialog.findChildren<QPushButton*>()) {
    if (found->text() == QString::fromUtf8(text)) return found;
  }
  return nullptr;
}

void skipWithoutScanner() {
  if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty()) {
    QSKIP("zbarimg is not installed (package zbar-tools)");
  }
}

}  // namespace

class QrTest : public QObject {
  Q_OBJECT

 private slots:
  void theLinkReadsBack_data() {
    QTest::addColumn<QString>("link");
    QTest::newRow("short") << kShortLink;
    QTest::newRow("long") << longLink();
  }

  // Read from the picture alone, with its quiet zone of white and nothing
  // around it.
  void theLinkReadsBack() {
    skipWithoutScanner();
    QFETCH(QString, link);
    const QImage code = qrCodeImage(link, 3);
    QCOMPARE(scanned(code), link);
    const QRect inside = code.rect().marginsRemoved(QMargins(1, 1, 1, 1) * kQrQuietZone * 3);
    QCOMPARE(code.copy(inside).pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(code.pixel(inside.topLeft() - QPoint(1, 1)), qRgb(255, 255, 255));
  }

  void aLinkTooLongForAnyCodeDrawsNone() { QVERIFY(qrCodeImage(longLink().repeated(2)).isNull()); }

  void theDialogShowsTheLinkLargeSharpAndNamed_data() { theLinkReadsBack_data(); }

  void theDialogShowsTheLinkLargeSharpAndNamed() {
    skipWithoutScanner();
    QFETCH(QString, link);
    QrCodeDialog dialog(link,
                        QStringLiteral("Conforme : tiré au hasard (graine 123), 3 jets d’amélioration"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const auto* code = dialog.findChild<QLabel*>(QStringLiteral("qr_code"));
    QVERIFY(code != nullptr);
    QCOMPARE(code->accessibleName(), QStringLiteral("QR code du lien de partage"));
    QCOMPARE(code->accessibleDescription(), link);
    const QImage shown = code->pixmap().toImage();
    const double smallest = QrCodeDialog::kSmallestSideCm / 2.54 * dialog.screen()->physicalDotsPerInch() *
                            shown.devicePixelRatio();
    QVERIFY2(shown.width() >= smallest, qPrintable(QStringLiteral("%1 px").arg(shown.width())));
    QCOMPARE(shown.width() % qrCodeImage(link).width(), 0);
    QVERIFY(blackAndWhite(shown));
    QCOMPARE(scanned(shown), link);
  }

  void copyingPutsExactlyTheLinkOnTheClipboard() {
    QrCodeDialog dialog(kShortLink, QString());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QGuiApplication::clipboard()->setText(QStringLiteral("autre chose"));
    QPushButton* copy = button(dialog, "Copier le lien");
    QVERIFY(copy != nullptr);
    QVERIFY(copy->hasFocus());
    QTest::keyClick(copy, Qt::Key_Space);
    QCOMPARE(QGuiApplication::clipboard()->text(), kShortLink);
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("qr_status"))->text(), QStringLiteral("Lien copié."));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
  }
};

}  // namespace orvandel

QTEST_MAIN(orvandel::QrTest)
#include "tst_qr.moc"

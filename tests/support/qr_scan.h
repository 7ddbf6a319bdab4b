// What a QR code decoder (zbarimg) reads in a picture, its trailing newline
// left out; its complaints (it also speaks of D-Bus) go apart.
#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace orvandel {

inline QString scanned(const QImage& image) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("qr.png"));
  if (!image.save(path)) return QStringLiteral("not saved");
  QProcess zbarimg;
  zbarimg.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), path});
  if (!zbarimg.waitForFinished() || zbarimg.exitCode() != 0) return QStringLiteral("not read");
  QString text = QString::fromUtf8(zbarimg.readAllStandardOutput());
  if (text.endsWith(u'\n')) text.chop(1);
  return text;
}

}  // namespace orvandel

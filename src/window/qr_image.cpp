#include "window/qr_image.h"

#include <QPainter>
#include <optional>
#include <qrcodegen.hpp>

namespace orvandel {
namespace {

using qrcodegen::QrCode;

// The code of `text`, none when the text holds more than a QR code can. The
// library picks the densest mode the text allows (bytes, for a link).
std::optional<QrCode> encoded(const QString& text) {
  try {
    return QrCode::encodeText(text.toUtf8().constData(), QrCode::Ecc::MEDIUM);
  } catch (const qrcodegen::data_too_long&) {
    return std::nullopt;
  }
}

}  // namespace

QImage qrCodeImage(const QString& text, int modulePixels) {
  const std::optional<QrCode> code = encoded(text);
  if (!code) return {};
  const int side = (code->getSize() + 2 * kQrQuietZone) * modulePixels;
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  for (int y = 0; y < code->getSize(); ++y) {
    for (int x = 0; x < code->getSize(); ++x) {
      if (!code->getModule(x, y)) continue;
      painter.fillRect((x + kQrQuietZone) * modulePixels, (y + kQrQuietZone) * modulePixels, modulePixels,
                       modulePixels, Qt::black);
    }
  }
  return image;
}

}  // namespace orvandel

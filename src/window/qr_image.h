// A text as the picture of its QR code, for a phone's camera: black modules
// on white whatever the desktop's colours, the quiet zone that scanners
// need around them, each module a square of whole pixels so that it stays
// sharp at any size.
#pragma once

#include <QImage>
#include <QString>

namespace orvandel {

// The margin of white around the code, in modules, that scanners need to
// find it.
inline constexpr int kQrQuietZone = 4;

// The QR code of `text` (UTF-8), medium error correction, each module
// `modulePixels` pixels square, quiet zone included; a null image when the
// text is too long for any QR code.
QImage qrCodeImage(const QString& text, int modulePixels = 1);

}  // namespace orvandel

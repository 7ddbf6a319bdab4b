#include "window/picture_set.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace orvandel {
namespace {

// Width, height and QImage format, each a little-endian 32-bit number.
constexpr qsizetype kHeader = 12;

bool storable(QImage::Format format) {
  return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

// One stored picture: its size, format and where its rows start.
struct Stored {
  QSize size;
  QImage::Format format;
  const char* rows;
};

qsizetype rowsBytes(QSize size) { return qsizetype(size.width()) * size.height() * 4; }

// The pictures of `packed` in order; stops at the first record that does not
// fit what is left, so that a damaged set yields only its whole pictures.
std::vector<Stored> storedIn(QByteArrayView packed) {
  std::vector<Stored> pictures;
  qsizetype at = 0;
  while (packed.size() - at >= kHeader) {
    const auto* header = reinterpret_cast<const uchar*>(packed.data() + at);
    const QSize size(qFromLittleEndian<qint32>(header), qFromLittleEndian<qint32>(header + 4));
    const auto format = static_cast<QImage::Format>(qFromLittleEndian<qint32>(header + 8));
    if (size.isEmpty() || !storable(format) || rowsBytes(size) > packed.size() - at - kHeader) break;
    pictures.push_back({size, format, packed.data() + at + kHeader});
    at += kHeader + rowsBytes(size);
  }
  return pictures;
}

QImage copyOf(const Stored& stored) {
  QImage image(stored.size, stored.format);
  if (!image.isNull())
    std::memcpy(image.bits(), stored.rows, static_cast<std::size_t>(rowsBytes(stored.size)));
  return image;
}

bool covers(QSize picture, QSize wanted) {
  return picture.width() >= wanted.width() && picture.height() >= wanted.height();
}

qsizetype area(QSize size) { return qsizetype(size.width()) * size.height(); }

}  // namespace

QByteArray packPictures(const std::vector<QImage>& pictures) {
  QByteArray packed;
  for (const QImage& picture : pictures) {
    const QImage image =
        storable(picture.format()) ? picture : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    std::array<uchar, kHeader> header{};
    qToLittleEndian<qint32>(image.width(), header.data());
    qToLittleEndian<qint32>(image.height(), header.data() + 4);
    qToLittleEndian<qint32>(static_cast<qint32>(image.format()), header.data() + 8);
    packed.append(reinterpret_cast<const char*>(header.data()), kHeader);
    for (int y = 0; y < image.height(); ++y)
      packed.append(reinterpret_cast<const char*>(image.constScanLine(y)), qsizetype(image.width()) * 4);
  }
  return packed;
}

QImage unpackPicture(QByteArrayView packed, QSize size) {
  const std::vector<Stored> pictures = storedIn(packed);
  if (pictures.empty() || size.isEmpty()) return {};
  std::optional<Stored> best;
  for (const Stored& stored : pictures) {
    if (stored.size == size) return copyOf(stored);
    // The smallest that covers the size loses the least when scaled down;
    // where none does, the largest loses the least when scaled up.
    const bool better = !best || (covers(stored.size, size)
                                      ? !covers(best->size, size) || area(stored.size) < area(best->size)
                                      : !covers(best->size, size) && area(stored.size) > area(best->size));
    if (better) best = stored;
  }
  return copyOf(*best).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::vector<QImage> unpackPictures(QByteArrayView packed) {
  std::vector<QImage> images;
  for (const Stored& stored : storedIn(packed)) images.push_back(copyOf(stored));
  return images;
}

}  // namespace orvandel

// The program's artwork as the build stores it: each piece drawn from its
// vectors at every size the window opens it at, kept as the raw pixels that
// the screen draws, so that opening the window neither decodes nor scales a
// picture.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <vector>

namespace orvandel {

// The pictures one after another, each its width, height and pixel format
// followed by its rows; opaque pictures are best given without an alpha
// channel, which drawing them then skips.
QByteArray packPictures(const std::vector<QImage>& pictures);

// The picture of `packed` that has exactly `size`; failing that, the
// smallest one that covers `size` (or else the largest one), smoothly
// scaled to it. A null image when `packed` holds no picture.
QImage unpackPicture(QByteArrayView packed, QSize size);

// Every picture of `packed`, as stored.
std::vector<QImage> unpackPictures(QByteArrayView packed);

}  // namespace orvandel

// The widgets of the character window, each made from its layout row: the
// kind of widget, its place, caption, font and colours.
#pragma once

#include <QCursor>
#include <QPixmap>
#include <QSize>
#include <QWidget>

#include "layout/layout.h"

class QStyle;

namespace orvandel {

// The window's client area in pixels, from its size in twips.
QSize clientPixelSize();

// The style touches of the sheet on top of the application's style: the
// frame drawn as an etched border and selectors small enough for their box.
// Owned by `owner`.
QStyle* makeSheetStyle(QObject* owner);

// The widget for `row`, placed in `parent` under the row's name. Frames and
// selectors take `sheetStyle`.
QWidget* makeSheetWidget(const ControlRow& row, QWidget* parent, QStyle* sheetStyle);

// Whether the kind is a window of its own (edit box, selector, button,
// frame): those lie above the captions, pictures and lines they touch.
bool standsAbove(ControlKind kind);

// A picture of the program's artwork as the build stored it.
QPixmap storedPicture(const QString& resource);

// An artwork picture at the size it is shown (stretched to the box).
QPixmap renderArtwork(const char* resource, QSize size);

struct CursorArt {
  const char* picture;
  int hotX;
  int hotY;
};
QCursor artworkCursor(const CursorArt& art);

}  // namespace orvandel

// The widgets of the character window, each made from its layout row: the
// kind of widget, its place, caption, font and colours.
#pragma once

#include <QCursor>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSize>
#include <QWidget>
#include <utility>

#include "layout/layout.h"

class QStyle;

namespace orvandel {

// The controls that a press acts on (a skill or weapon value, the title
// picture) are widgets of their own class, so that screen readers can be
// told they are buttons (see useSheetRoles).
class PressedValue final : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;
};
class PressedPicture final : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 protected:
  // The keyboard focus shows as on the boxes: a border in the highlight
  // colour over the picture's edge.
  void paintEvent(QPaintEvent* event) override;
};

// The frame that holds the sheet. Its caption is drawn where a group box
// draws its title but is not the title: Qt tells screen readers that a
// group box's title labels every control inside it, and the frame labels
// none of them.
class SheetFrame final : public QGroupBox {
  Q_OBJECT

 public:
  SheetFrame(QString caption, QWidget* parent) : QGroupBox(parent), caption_(std::move(caption)) {}
  const QString& caption() const { return caption_; }

 protected:
  void initStyleOption(QStyleOptionGroupBox* option) const override;

 private:
  QString caption_;
};

// The window's client area in pixels, from its size in twips.
QSize clientPixelSize();

// The style touches of the sheet on top of the application's style: the
// frame drawn as an etched border, selectors small enough for their box and
// a focus border on the multi-line boxes.
// Owned by `owner`.
QStyle* makeSheetStyle(QObject* owner);

// The widget for `row`, placed in `parent` under the row's name at `zoom`.
// Frames, selectors and multi-line boxes take `sheetStyle`.
QWidget* makeSheetWidget(const ControlRow& row, QWidget* parent, QStyle* sheetStyle, double zoom = 1.0);

// Places `w`, made from `row`, at `zoom`: its box, its font and its picture.
void placeSheetWidget(QWidget* w, const ControlRow& row, double zoom);

// An artwork picture at the size it is shown (stretched to the box).
QPixmap renderArtwork(const char* resource, QSize size);

// A piece of artwork at every size the build stored, for the desktop to
// choose from.
QIcon artworkIcon(const char* resource);

// The cursor at `zoom`, hot spot included.
QCursor artworkCursor(const CursorArt& art, double zoom);

}  // namespace orvandel

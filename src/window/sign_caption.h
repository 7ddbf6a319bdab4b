// The "+" and "=" between a characteristic's boxes. Their font is so small
// (6 points) that at 90 % and below the two bars of "=" blur into one grey
// bar, and "+" into a dot; they are drawn as whole-pixel strokes instead,
// where the font would put the glyph, so that every zoom keeps them apart.
// The text stays the sign, for screen readers and copies.
#pragma once

#include <QLabel>

namespace orvandel {

// Whether `caption` is one of the signs that SignCaption draws.
bool isDrawnSign(const QString& caption);

class SignCaption final : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace orvandel

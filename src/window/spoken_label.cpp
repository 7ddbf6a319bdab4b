#include "window/spoken_label.h"

#include <QAccessible>

namespace orvandel {

SpokenLabel::SpokenLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

// Screen readers are told of a change of the line's name, which is its
// text, each time: a sentence said again, as by a second click that spends
// nothing, is told again.
void SpokenLabel::say(const QString& sentence) {
  setText(sentence);
  QAccessibleEvent said(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&said);
}

}  // namespace orvandel

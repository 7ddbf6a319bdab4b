#include "window/roomy_rows.h"

#include <QFontMetrics>
#include <algorithm>

namespace orvandel {
namespace {

// The capitals whose accents rise highest, and those that reach lowest.
constexpr const char* kTallestLetters = "ÂÊÎÔÛÄËÏÖÜÉÈÀÙÇÅ";

}  // namespace

// A row's text is centred: the room it lacks above the line, and below it,
// is added on both sides.
QSize RoomyRows::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  QStyleOptionViewItem shown = option;
  initStyleOption(&shown, index);
  const QFontMetrics metrics(shown.font);
  const QRect ink = metrics.boundingRect(QString::fromUtf8(kTallestLetters));
  const int lacking = std::max(-ink.top() - metrics.ascent(), ink.bottom() + 1 - metrics.descent());
  if (lacking > 0) size.rheight() += 2 * lacking;
  return size;
}

}  // namespace orvandel

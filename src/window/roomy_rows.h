// Rows of a list tall enough for the accents on capitals. A row is as tall
// as its font's line, and the desktop's usual fonts draw "É" or "Â" above
// the line's ascent: a list clips every row to its height, and "Éloïse"
// showed as "Eloïse".
#pragma once

#include <QStyledItemDelegate>

namespace orvandel {

class RoomyRows final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace orvandel

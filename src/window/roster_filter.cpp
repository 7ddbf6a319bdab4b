#include "window/roster_filter.h"

#include "window/roster_model.h"

namespace orvandel {

RosterFilter::RosterFilter(RosterModel& model, QObject* parent)
    : QSortFilterProxyModel(parent), model_(model) {
  setSourceModel(&model);
}

void RosterFilter::setWords(const QString& words) {
  search_ = RosterSearch(words.toStdString());
  invalidateRowsFilter();
}

bool RosterFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
  return search_.finds(model_.characterAt(sourceRow));
}

}  // namespace orvandel

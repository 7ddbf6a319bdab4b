#include "window/roster_model.h"

#include <utility>

#include "window/qt_text.h"

namespace orvandel {

RosterModel::RosterModel(Roster roster, QObject* parent)
    : QAbstractListModel(parent), session_(std::move(roster)) {
  session_.listen(this);
}

const KeptCharacter& RosterModel::characterAt(int row) const {
  return session_.characters().at(static_cast<std::size_t>(row));
}

int RosterModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(session_.characters().size());
}

QVariant RosterModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole) return {};
  return qtText(summaryLine(characterAt(index.row())));
}

void RosterModel::aboutToInsert(std::size_t first, std::size_t last) {
  beginInsertRows(QModelIndex(), static_cast<int>(first), static_cast<int>(last));
}

void RosterModel::inserted() { endInsertRows(); }

void RosterModel::aboutToRemove(std::size_t at) {
  beginRemoveRows(QModelIndex(), static_cast<int>(at), static_cast<int>(at));
}

void RosterModel::removed() { endRemoveRows(); }

void RosterModel::changed(std::size_t at) {
  const QModelIndex row = index(static_cast<int>(at));
  emit dataChanged(row, row, {Qt::DisplayRole});
}

}  // namespace orvandel

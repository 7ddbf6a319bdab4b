// The roster's search as a filter between the model and its view: a
// character shows when the roster library finds it, ignoring case and
// accents as the browser page's search does.
#pragma once

#include <QSortFilterProxyModel>
#include <QString>

#include "roster/roster.h"

namespace orvandel {

class RosterModel;

class RosterFilter final : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  // REQUIRES: `model` outlives the filter.
  explicit RosterFilter(RosterModel& model, QObject* parent = nullptr);

  void setWords(const QString& words);

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

 private:
  const RosterModel& model_;
  RosterSearch search_{""};
};

}  // namespace orvandel

// The roster as Qt's item views see it: one row a character, in the
// roster's order, shown as its summary line. The model holds the roster
// session that every action goes through, and follows it change by change,
// so that a view keeps its current character, its selection and its
// scrolling through every action.
#pragma once

#include <QAbstractListModel>

#include "roster/roster_session.h"

namespace orvandel {

class RosterModel final : public QAbstractListModel, private RosterListener {
  Q_OBJECT

 public:
  explicit RosterModel(Roster roster, QObject* parent = nullptr);

  RosterSession& session() { return session_; }
  const RosterSession& session() const { return session_; }
  const KeptCharacter& characterAt(int row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  void aboutToInsert(std::size_t first, std::size_t last) override;
  void inserted() override;
  void aboutToRemove(std::size_t at) override;
  void removed() override;
  void changed(std::size_t at) override;

  RosterSession session_;
};

}  // namespace orvandel

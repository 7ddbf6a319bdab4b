// A group search run on the window's own thread: the search advances in
// slices of a few hundredths of a second from a zero timer, so that between
// two slices the window repaints its progress and takes the GM's keys and
// clicks, "Arrêter" among them.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

#include "core/dice.h"
#include "group/group_search.h"

namespace orvandel {

class GroupRun : public QObject {
  Q_OBJECT

 public:
  explicit GroupRun(QObject* parent = nullptr);
  ~GroupRun() override;

  // REQUIRES: conditionsProblem(conditions) is empty, 1 <= wanted <= kLargestGroup.
  void start(Conditions conditions, int wanted, std::unique_ptr<Dice> dice);
  // Ends the run where it stands: what it found so far stays in search().
  void stop();

  bool running() const { return slices_.isActive(); }
  bool stopped() const { return stopped_; }
  // The search last started; null before the first.
  const GroupSearch* search() const { return search_.get(); }

 signals:
  // After each slice: the search's counts changed.
  void progressed();
  // The search is complete, has given up, or was stopped.
  void ended();

 private:
  void slice();

  QTimer slices_;
  // The search rolls these dice: declared first, they outlive it.
  std::unique_ptr<Dice> dice_;
  std::unique_ptr<GroupSearch> search_;
  bool stopped_ = false;
};

}  // namespace orvandel

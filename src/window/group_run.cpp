#include "window/group_run.h"

#include <QElapsedTimer>

namespace orvandel {
namespace {

// A slice ends after this long, so that the progress is repainted several
// times a tenth of a second and a key press waits no longer.
constexpr qint64 kSliceMilliseconds = 25;
// Characters rolled between two readings of the clock: far less than a
// slice's worth on a slow machine.
constexpr std::int64_t kDrawsBetweenReadings = 16;

}  // namespace

GroupRun::GroupRun(QObject* parent) : QObject(parent) {
  slices_.setInterval(0);
  connect(&slices_, &QTimer::timeout, this, &GroupRun::slice);
}

GroupRun::~GroupRun() = default;

void GroupRun::start(Conditions conditions, int wanted, std::unique_ptr<Dice> dice) {
  search_.reset();
  dice_ = std::move(dice);
  search_ = std::make_unique<GroupSearch>(std::move(conditions), wanted, *dice_);
  stopped_ = false;
  slices_.start();
}

void GroupRun::stop() {
  if (!running()) return;
  slices_.stop();
  stopped_ = true;
  emit ended();
}

void GroupRun::slice() {
  QElapsedTimer clock;
  clock.start();
  bool over = false;
  while (!over && clock.elapsed() < kSliceMilliseconds) over = search_->advance(kDrawsBetweenReadings);
  emit progressed();
  if (!over) return;
  slices_.stop();
  emit ended();
}

}  // namespace orvandel

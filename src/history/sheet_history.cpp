#include "history/sheet_history.h"

#include <utility>

namespace orvandel {
namespace {

std::optional<Personnage> step(std::deque<Personnage>& from, std::deque<Personnage>& to, Personnage current) {
  if (from.empty()) return std::nullopt;
  Personnage shown = std::move(from.back());
  from.pop_back();
  to.push_back(std::move(current));
  return shown;
}

}  // namespace

void SheetHistory::record(Personnage before) {
  future_.clear();
  past_.push_back(std::move(before));
  while (past_.size() > depth_) past_.pop_front();
}

std::optional<Personnage> SheetHistory::undo(Personnage current) {
  return step(past_, future_, std::move(current));
}

std::optional<Personnage> SheetHistory::redo(Personnage current) {
  return step(future_, past_, std::move(current));
}

}  // namespace orvandel

// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/namehistory.h"

#include <utility>

namespace app {

// A state's text plus a little for its bookkeeping, so that a flood of tiny
// steps is bounded too.
qsizetype NameHistory::costOf(const NameState& state) {
  constexpr qsizetype kPerState = 16;
  return state.text.size() + kPerState;
}

void NameHistory::clear() {
  undo_.clear();
  redo_.clear();
  kept_ = 0;
}

void NameHistory::push(NameState before) {
  for (const NameState& state : redo_) {
    kept_ -= costOf(state);
  }
  redo_.clear();
  kept_ += costOf(before);
  undo_.push_back(std::move(before));
  while (kept_ > budget_ && undo_.size() > 1) {
    kept_ -= costOf(undo_.front());
    undo_.pop_front();
  }
}

std::optional<NameState> NameHistory::undo(NameState current) {
  if (undo_.empty()) {
    return std::nullopt;
  }
  NameState previous = std::move(undo_.back());
  undo_.pop_back();
  kept_ += costOf(current) - costOf(previous);
  redo_.push_back(std::move(current));
  return previous;
}

std::optional<NameState> NameHistory::redo(NameState current) {
  if (redo_.empty()) {
    return std::nullopt;
  }
  NameState next = std::move(redo_.back());
  redo_.pop_back();
  kept_ += costOf(current) - costOf(next);
  undo_.push_back(std::move(current));
  return next;
}

}  // namespace app

// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The undo history of the name box: each step keeps the whole name as it was
// before the step (and, once undone, as it was after it). QString shares its
// data, so a step costs the text it replaced and no work per character; once
// the kept texts pass a budget the oldest steps are forgotten.
#pragma once

#include <QString>
#include <deque>
#include <optional>

namespace app {

// The name with its caret and selection; anchor == cursor means no selection.
struct NameState {
  QString text;
  int cursor = 0;
  int anchor = 0;

  friend bool operator==(const NameState&, const NameState&) = default;
};

class NameHistory {
 public:
  // Characters the history may keep: 32 Mi (64 MiB of text), so some 30 steps
  // of a name of a million characters, and practically no limit for real names.
  static constexpr qsizetype kDefaultBudget = qsizetype{32} << 20;

  explicit NameHistory(qsizetype budget = kDefaultBudget) : budget_(budget) {}

  void clear();
  // Records a new step; before is the state it replaced. Steps undone so far
  // can no longer be redone. The latest step is kept whatever its size.
  void push(NameState before);

  [[nodiscard]] bool canUndo() const { return !undo_.empty(); }
  [[nodiscard]] bool canRedo() const { return !redo_.empty(); }
  // Steps back over the latest step: current becomes redoable and the state
  // to show is returned; nothing when there is nothing to undo.
  [[nodiscard]] std::optional<NameState> undo(NameState current);
  [[nodiscard]] std::optional<NameState> redo(NameState current);

  [[nodiscard]] qsizetype undoSteps() const { return static_cast<qsizetype>(undo_.size()); }
  // What the kept states cost against the budget, in characters.
  [[nodiscard]] qsizetype keptCharacters() const { return kept_; }

 private:
  static qsizetype costOf(const NameState& state);

  std::deque<NameState> undo_;
  std::deque<NameState> redo_;
  qsizetype budget_;
  qsizetype kept_ = 0;
};

}  // namespace app

// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The coded-name box pureCode: a line edit whose undo history holds the
// program's own changes of the name as steps, beside the user's typing.
#pragma once

#include <QLineEdit>

#include "app/letterpatterns.h"
#include "app/namehistory.h"

class QMenu;

namespace app {

// QLineEdit forgets its whole undo history when its text is assigned, and its
// own history keeps one entry per character, which a long name cannot afford.
// So the box keeps a history of its own (NameHistory) for every change:
// typing, pasting and the typed codes are grouped into steps as Qt groups them
// (a run of typed characters, a run of Backspaces, a paste on its own, a caret
// move ends a step), and each program-made change is one step. Ctrl+Z and
// Ctrl+Shift+Z (the platform's Undo and Redo keys) and the context menu's Undo
// and Redo walk this history. (QLineEdit's own undo() and redo() slots do
// not: they see only the typing since the last assignment.)
class NameBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit NameBox(const QString& text, QWidget* parent = nullptr);

  // Every change of the name that the program makes goes through here. It is
  // one undo step, or none when the text stays the same (it is written back
  // all the same). The caret goes to the end, and textChanged (the preview)
  // has run before this returns. A caller that then selects a range with
  // setSelection() adds no step of its own.
  void assignName(const QString& name);
  // Forgets every step: what the box holds now is as far back as undo goes.
  void startHistory();

  [[nodiscard]] bool canUndo() const { return history_.canUndo(); }
  [[nodiscard]] bool canRedo() const { return history_.canRedo(); }
  void undoStep();
  void redoStep();
  [[nodiscard]] const NameHistory& history() const { return history_; }

  // The box's context menu, opened by a right click, the Menu key or
  // Shift+F10: Qt's standard one (Undo, Redo, Cut, Copy, Paste,
  // Delete, Select All), its Undo and Redo working on this history, then the
  // submenu Color Letters, whose items emit colorLettersChosen, the picture
  // items Copy Picture and Save Picture As…, and last Load name.cfg, each
  // emitting its signal. Entries for the name go here. The caller owns the
  // menu.
  [[nodiscard]] QMenu* createContextMenu();

 signals:
  void colorLettersChosen(app::LetterPattern pattern);
  void copyPictureChosen();
  void savePictureChosen();
  void loadNameCfgChosen();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // What the latest edit by the user was, to tell whether the next one
  // belongs to the same step.
  enum class Edit { None, Typed, TypedOver, Backspaced, Deleted, SelectionDeleted, Other };

  [[nodiscard]] NameState state() const;
  void showState(const NameState& state);
  void endStep();
  void textEdited();
  void caretMoved();
  [[nodiscard]] static Edit editBetween(const NameState& before, const NameState& after);
  [[nodiscard]] static bool sameStep(Edit previous, Edit next);

  NameHistory history_;
  NameState last_;  // the box as it stood after the latest change or caret move
  Edit lastEdit_ = Edit::None;
  bool caretMovedSinceEdit_ = false;
  bool assigning_ = false;
};

}  // namespace app

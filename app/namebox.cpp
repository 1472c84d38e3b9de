// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/namebox.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScopedValueRollback>
#include <QShortcut>
#include <cstdlib>
#include <utility>

#include "app/namepicture.h"

namespace app {
namespace {

// Hands one of the standard menu's actions over from QLineEdit's own history
// to the box's.
void takeOver(QAction* action, const char* name, bool enabled, NameBox* box,
              void (NameBox::*step)()) {
  if (action == nullptr) {
    return;
  }
  QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
  action->setObjectName(QString::fromLatin1(name));
  action->setEnabled(enabled);
  QObject::connect(action, &QAction::triggered, box, step);
}

}  // namespace

NameBox::NameBox(const QString& text, QWidget* parent) : QLineEdit(text, parent), last_(state()) {
  connect(this, &QLineEdit::textChanged, this, &NameBox::textEdited);
  connect(this, &QLineEdit::cursorPositionChanged, this, &NameBox::caretMoved);
  connect(this, &QLineEdit::selectionChanged, this, &NameBox::caretMoved);
  // Shift+F10 opens the menu as the Menu key does. A shortcut, not a key
  // press: a key press is passed on to Windows' own handling too, which then
  // also opens the window menu, and that takes the arrow keys.
  auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this, nullptr, nullptr,
                                Qt::WidgetShortcut);
  connect(menuKey, &QShortcut::activated, this, [this] {
    const QPoint caret = cursorRect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, caret, mapToGlobal(caret));
    contextMenuEvent(&request);
  });
}

void NameBox::assignName(const QString& name) {
  if (name != text()) {
    history_.push(state());
  }
  {
    const QScopedValueRollback<bool> assigning(assigning_, true);
    setText(name);
  }
  endStep();
}

void NameBox::startHistory() {
  history_.clear();
  endStep();
}

void NameBox::undoStep() {
  if (std::optional<NameState> previous = history_.undo(state())) {
    showState(*previous);
  }
}

void NameBox::redoStep() {
  if (std::optional<NameState> next = history_.redo(state())) {
    showState(*next);
  }
}

QMenu* NameBox::createContextMenu() {
  QMenu* menu = createStandardContextMenu();
  if (!isReadOnly()) {
    // An editable box's standard menu starts with Undo and Redo.
    const QList<QAction*> actions = menu->actions();
    takeOver(actions.value(0), "edit-undo", canUndo(), this, &NameBox::undoStep);
    takeOver(actions.value(1), "edit-redo", canRedo(), this, &NameBox::redoStep);
  }
  menu->addSeparator();
  QMenu* letters = menu->addMenu(QStringLiteral("Color Letters"));
  letters->setObjectName(QStringLiteral("colorLetters"));
  letters->menuAction()->setObjectName(QStringLiteral("colorLettersMenu"));
  for (const LetterPatternItem& item : kLetterPatternItems) {
    QAction* action = letters->addAction(QString::fromLatin1(item.caption));
    action->setObjectName(QString::fromLatin1(item.objectName));
    connect(action, &QAction::triggered, this,
            [this, pattern = item.pattern] { emit colorLettersChosen(pattern); });
  }
  menu->addSeparator();
  // These run once the menu has finished with the click: under Windows the
  // save dialog is the system's own, whose loop deleted the menu while it was
  // open, and the program crashed when it closed.
  addPictureItems(
      *menu, this, [this] { emit copyPictureChosen(); }, [this] { emit savePictureChosen(); });
  menu->addSeparator();
  QAction* load = menu->addAction(QStringLiteral("Load name.cfg"));
  load->setObjectName(QStringLiteral("loadNameCfg"));
  connect(load, &QAction::triggered, this, &NameBox::loadNameCfgChosen, Qt::QueuedConnection);
  return menu;
}

void NameBox::keyPressEvent(QKeyEvent* event) {
  // QLineEdit accepts both keys as shortcut overrides, so they arrive here.
  if (event->matches(QKeySequence::Undo)) {
    undoStep();
  } else if (event->matches(QKeySequence::Redo)) {
    redoStep();
  } else {
    QLineEdit::keyPressEvent(event);
    return;
  }
  event->accept();
}

void NameBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

NameState NameBox::state() const {
  const int cursor = cursorPosition();
  int anchor = cursor;
  if (hasSelectedText()) {
    anchor = cursor == selectionStart() ? selectionEnd() : selectionStart();
  }
  return {text(), cursor, anchor};
}

void NameBox::showState(const NameState& state) {
  {
    const QScopedValueRollback<bool> assigning(assigning_, true);
    setText(state.text);
    setSelection(state.anchor, state.cursor - state.anchor);
  }
  endStep();
}

// A program-made change, an undo or a redo: the next edit starts a new step.
void NameBox::endStep() {
  last_ = state();
  lastEdit_ = Edit::None;
  caretMovedSinceEdit_ = false;
}

void NameBox::textEdited() {
  if (assigning_) {
    return;
  }
  NameState now = state();
  const Edit edit = editBetween(last_, now);
  if (caretMovedSinceEdit_ || !sameStep(lastEdit_, edit)) {
    history_.push(std::move(last_));
  }
  last_ = std::move(now);
  lastEdit_ = edit;
  caretMovedSinceEdit_ = false;
}

// Qt sends the caret's move after the text's change that moved it, so a
// caret that differs from the one recorded has been moved by the user (or
// selects text for a deletion to come, as Ctrl+Backspace does).
void NameBox::caretMoved() {
  if (assigning_) {
    return;
  }
  const NameState now = state();
  if (now.cursor != last_.cursor || now.anchor != last_.anchor) {
    last_.cursor = now.cursor;
    last_.anchor = now.anchor;
    caretMovedSinceEdit_ = true;
  }
}

NameBox::Edit NameBox::editBetween(const NameState& before, const NameState& after) {
  const qsizetype grown = after.text.size() - before.text.size();
  if (before.anchor != before.cursor) {
    const qsizetype selected = std::abs(before.anchor - before.cursor);
    if (grown == -selected) {
      return Edit::SelectionDeleted;
    }
    return grown == 1 - selected ? Edit::TypedOver : Edit::Other;
  }
  if (grown == 1 && after.cursor == before.cursor + 1) {
    return Edit::Typed;
  }
  if (grown < 0 && after.cursor == before.cursor + grown) {
    return Edit::Backspaced;
  }
  if (grown < 0 && after.cursor == before.cursor) {
    return Edit::Deleted;
  }
  return Edit::Other;  // a paste, a drop, several characters at once
}

// As QLineEdit groups its own history: typing goes on a step of typing, of
// typing over a selection or of deleting a selection; Backspace and Delete go
// on a run of their own kind or a deleted selection; anything else, a paste
// say, is a step of its own.
bool NameBox::sameStep(Edit previous, Edit next) {
  switch (next) {
    case Edit::Typed:
      return previous == Edit::Typed || previous == Edit::TypedOver ||
             previous == Edit::SelectionDeleted;
    case Edit::Backspaced:
    case Edit::Deleted:
      return previous == next || previous == Edit::SelectionDeleted;
    default:
      return false;
  }
}

}  // namespace app

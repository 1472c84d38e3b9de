// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Undo and redo in the name box: every one-click change of the name is one
// step, walked back and forth with the keys and the context menu, mixed with
// typing, which is grouped into steps as a plain QLineEdit groups it.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/mainwindow.h"
#include "app/previewpanel.h"
#include "fakeplatform.h"

namespace {

const QString kSample = QStringLiteral("^1T^2a^3r^4n^5w^6i^7c^8k^1!^2!^3!^4!");

// A fake platform whose store already has the first-run notice behind it.
std::unique_ptr<testing_support::FakePlatform> quietPlatform() {
  auto platform = std::make_unique<testing_support::FakePlatform>();
  platform->settings.insert(QStringLiteral("Configuration/First Run"), QStringLiteral("1"));
  return platform;
}

// What the preview shows: each drawn character with its colour, size and
// place; an empty cell shows nothing, whatever size it was last drawn at.
QStringList shown(const app::MainWindow& window) {
  QStringList cells;
  for (const core::PreviewCell& cell : window.previewPanel()->cells()) {
    cells << (cell.text.isEmpty() ? QStringLiteral(".")
                                  : QStringLiteral("%1 %2,%3,%4 %5pt %6")
                                        .arg(cell.text)
                                        .arg(cell.color.red)
                                        .arg(cell.color.green)
                                        .arg(cell.color.blue)
                                        .arg(cell.pointSize)
                                        .arg(cell.top));
  }
  return cells;
}

void undoKey(QWidget* box) {
  QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
}

void redoKey(QWidget* box) {
  QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
}

// Runs one of the program's one-click changes of the name the way a user does.
void applyTool(app::MainWindow& window, const QString& tool) {
  if (tool == QLatin1String("F9")) {
    QTest::keyClick(window.pureCodeEdit(), Qt::Key_F9);
  } else if (auto* button = window.findChild<QPushButton*>(tool)) {
    QTest::mouseClick(button, Qt::LeftButton);
  } else if (auto* item = window.findChild<QAction*>(tool)) {
    item->trigger();
  } else {
    QFAIL(qPrintable(QStringLiteral("no control ") + tool));
  }
}

// One step of a typing script, for a plain QLineEdit and the name box alike:
// "type:abc" types, "paste:abc" pastes through the clipboard, anything else
// is a key, optionally with "ctrl+" and "shift+".
void play(QWidget* box, const QString& step) {
  if (step.startsWith(QLatin1String("type:"))) {
    QTest::keyClicks(box, step.mid(5));
    return;
  }
  if (step.startsWith(QLatin1String("paste:"))) {
    QGuiApplication::clipboard()->setText(step.mid(6));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    return;
  }
  Qt::KeyboardModifiers modifiers;
  QString key = step;
  for (const auto& [prefix, modifier] : {std::pair{QStringLiteral("ctrl+"), Qt::ControlModifier},
                                         std::pair{QStringLiteral("shift+"), Qt::ShiftModifier}}) {
    if (key.startsWith(prefix)) {
      modifiers |= modifier;
      key = key.mid(prefix.size());
    }
  }
  const QKeySequence sequence(key);
  QVERIFY2(sequence.count() == 1, qPrintable(step));
  QTest::keyClick(box, sequence[0].key(), modifiers);
}

}  // namespace

class UndoTest : public QObject {
  Q_OBJECT

 private slots:
  void toolChangeIsOneStep_data();
  void toolChangeIsOneStep();
  void typingAndToolsUndoInOrder();
  void toolThatChangesNothingAddsNoStep_data();
  void toolThatChangesNothingAddsNoStep();
  void startUpNameIsWhereHistoryBegins_data();
  void startUpNameIsWhereHistoryBegins();
  void typingGroupsAsQLineEditDoes_data();
  void typingGroupsAsQLineEditDoes();
  void contextMenuIsTheStandardOneWalkingTheHistory();
  void historyOfLongNamesIsBounded();
  void droppedCfgFileLoadsAsOneStep();
};

void UndoTest::toolChangeIsOneStep_data() {
  QTest::addColumn<QString>("tool");
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("after");
  QTest::addColumn<int>("messages");
  const QString coded = QStringLiteral("^1Tin ^2tra");
  QTest::newRow("Cycle Colors") << "cycleColors" << QStringLiteral("^1a ^9b^8c")
                                << QStringLiteral("^2ab^1c") << 1;
  QTest::newRow("Strip Color Codes") << "stripCodes" << coded << QStringLiteral("Tintra") << 0;
  QTest::newRow("Swap Colors") << "butSwapColors" << QStringLiteral("^1a^2b^1c")
                               << QStringLiteral("^2a^2b^2c") << 0;
  QTest::newRow("cls") << "cls" << coded << QString() << 0;
  QTest::newRow("F9") << "F9" << coded << QString() << 0;
  QTest::newRow("Example 1") << "example1" << coded
                             << QStringLiteral("^7cl^2A^7nn^2A^7me^6|^7n^2A^7me") << 0;
  QTest::newRow("Example 2") << "example2" << coded << QStringLiteral("Y^8o^7u^8r ^7N^8a^7m^8e")
                             << 0;
  QTest::newRow("Example 3") << "example3" << coded << QStringLiteral("^7B^4!^7tch^4|^7T^4a^7r")
                             << 0;
  QTest::newRow("Restore From Slot 1") << "resSlot1" << coded << QStringLiteral("^3one") << 0;
  QTest::newRow("Restore From Slot 2") << "resSlot2" << coded << QString() << 0;
  QTest::newRow("Restore From Slot 3")
      << "resSlot3" << coded << QStringLiteral("Slot Empty...") << 0;
}

void UndoTest::toolChangeIsOneStep() {
  QFETCH(QString, tool);
  QFETCH(QString, before);
  QFETCH(QString, after);
  QFETCH(int, messages);
  auto platform = quietPlatform();
  platform->settings.insert(QStringLiteral("Saved Names/Slot1"), QStringLiteral("^3one"));
  platform->settings.insert(QStringLiteral("Saved Names/Slot2"), QString());
  app::MainWindow window(*platform);
  app::NameBox* box = window.pureCodeEdit();
  box->setText(before);
  box->setCursorPosition(2);
  const QStringList shownBefore = shown(window);

  applyTool(window, tool);
  QCOMPARE(window.name(), after);
  QCOMPARE(box->cursorPosition(), after.size());
  QCOMPARE(platform->messages.size(), messages);
  const QStringList shownAfter = shown(window);

  undoKey(box);
  QCOMPARE(window.name(), before);
  QCOMPARE(shown(window), shownBefore);
  QCOMPARE(box->cursorPosition(), 2);

  redoKey(box);
  QCOMPARE(window.name(), after);
  QCOMPARE(shown(window), shownAfter);
  QCOMPARE(platform->messages.size(), messages);  // neither way shows a message again
}

void UndoTest::typingAndToolsUndoInOrder() {
  auto platform = quietPlatform();
  app::MainWindow window(*platform);
  app::NameBox* box = window.pureCodeEdit();
  const QString typed = kSample + QStringLiteral(" ab");
  const QString stripped = QStringLiteral("Tarnwick!!!!ab");
  const QString typedAgain = stripped + QStringLiteral("^1x");
  const QString cycled = stripped + QStringLiteral("^2x");

  QTest::keyClicks(box, QStringLiteral(" ab"));
  QCOMPARE(window.name(), typed);
  applyTool(window, QStringLiteral("stripCodes"));
  QCOMPARE(window.name(), stripped);
  QTest::keyClicks(box, QStringLiteral("^1x"));
  QCOMPARE(window.name(), typedAgain);
  applyTool(window, QStringLiteral("cycleColors"));
  QCOMPARE(window.name(), cycled);

  for (const QString& expected : {typedAgain, stripped, typed, kSample, kSample}) {
    undoKey(box);
    QCOMPARE(window.name(), expected);
  }
  for (const QString& expected : {typed, stripped, typedAgain, cycled, cycled}) {
    redoKey(box);
    QCOMPARE(window.name(), expected);
  }
  // A new change after undoing drops what could have been redone.
  undoKey(box);
  QTest::keyClicks(box, QStringLiteral("y"));
  redoKey(box);
  QCOMPARE(window.name(), typedAgain + QStringLiteral("y"));
}

void UndoTest::toolThatChangesNothingAddsNoStep_data() {
  QTest::addColumn<QString>("tool");
  QTest::addColumn<QString>("name");
  QTest::newRow("strip without codes or spaces") << "stripCodes" << QStringLiteral("Tintra");
  QTest::newRow("swap without the colour") << "butSwapColors" << QStringLiteral("^3a^4b");
  QTest::newRow("cycle of an empty name") << "cycleColors" << QString();
  QTest::newRow("cls of an empty name") << "cls" << QString();
  QTest::newRow("F9 of an empty name") << "F9" << QString();
  QTest::newRow("the example already there")
      << "example2" << QStringLiteral("Y^8o^7u^8r ^7N^8a^7m^8e");
  QTest::newRow("the slot's own name") << "resSlot1" << QStringLiteral("^3one");
}

void UndoTest::toolThatChangesNothingAddsNoStep() {
  QFETCH(QString, tool);
  QFETCH(QString, name);
  auto platform = quietPlatform();
  platform->settings.insert(QStringLiteral("Configuarion/Save On Quit"), QStringLiteral("1"));
  platform->settings.insert(QStringLiteral("Configuarion/Saved Name"), name);
  platform->settings.insert(QStringLiteral("Saved Names/Slot1"), QStringLiteral("^3one"));
  app::MainWindow window(*platform);
  app::NameBox* box = window.pureCodeEdit();
  box->setCursorPosition(0);

  applyTool(window, tool);
  QCOMPARE(window.name(), name);
  QCOMPARE(box->cursorPosition(), name.size());  // written back all the same
  QVERIFY(!box->canUndo());
  undoKey(box);
  QCOMPARE(window.name(), name);
}

void UndoTest::startUpNameIsWhereHistoryBegins_data() {
  QTest::addColumn<QString>("saveOnQuit");
  QTest::addColumn<QString>("displayExample");
  QTest::addColumn<QString>("name");
  QTest::newRow("the sample") << "0"
                              << "1" << kSample;
  QTest::newRow("the restored name") << "1"
                                     << "1" << QStringLiteral("^5kept");
  QTest::newRow("the emptied box") << "0"
                                   << "0" << QString();
}

void UndoTest::startUpNameIsWhereHistoryBegins() {
  QFETCH(QString, saveOnQuit);
  QFETCH(QString, displayExample);
  QFETCH(QString, name);
  auto platform = quietPlatform();
  platform->settings.insert(QStringLiteral("Configuarion/Save On Quit"), saveOnQuit);
  platform->settings.insert(QStringLiteral("Configuarion/Saved Name"), QStringLiteral("^5kept"));
  platform->settings.insert(QStringLiteral("Configuration/Display Example"), displayExample);
  app::MainWindow window(*platform);
  app::NameBox* box = window.pureCodeEdit();
  QCOMPARE(window.name(), name);
  QVERIFY(!box->canUndo());
  QVERIFY(!box->canRedo());
  undoKey(box);
  QCOMPARE(window.name(), name);
}

void UndoTest::typingGroupsAsQLineEditDoes_data() {
  QTest::addColumn<QStringList>("script");
  QTest::newRow("a typed run") << QStringList{"type:abc"};
  QTest::newRow("Backspaces after typing") << QStringList{"type:abc", "Backspace", "Backspace"};
  QTest::newRow("a caret move between typing") << QStringList{"type:ab", "Left", "type:cd"};
  QTest::newRow("Delete, then Backspace")
      << QStringList{"Home", "Delete", "Delete", "End", "Backspace"};
  QTest::newRow("typing over everything")
      << QStringList{"ctrl+A", "type:xy", "Backspace", "type:z"};
  QTest::newRow("a paste between typing") << QStringList{"type:a", "paste:XYZ", "type:b"};
  QTest::newRow("a deleted selection, Backspaces, typing")
      << QStringList{"shift+Left", "shift+Left", "Backspace", "Backspace", "type:q"};
  QTest::newRow("a word deleted") << QStringList{"ctrl+Backspace", "type:z", "ctrl+Backspace"};
}

// Both boxes get the same keys; undoing and then redoing step by step must
// show the same names in the same order.
void UndoTest::typingGroupsAsQLineEditDoes() {
  QFETCH(QStringList, script);
  const QString start = QStringLiteral("^1Tin tra");
  QLineEdit plain(start);
  app::NameBox box(start);
  for (const QString& step : script) {
    play(&plain, step);
    play(&box, step);
    QCOMPARE(box.text(), plain.text());
  }
  const auto walk = [&](void (*press)(QWidget*)) {
    QStringList plainTexts;
    QStringList boxTexts;
    for (int step = 0; step < script.size() + 2; ++step) {
      press(&plain);
      press(&box);
      plainTexts << plain.text();
      boxTexts << box.text();
    }
    QCOMPARE(boxTexts, plainTexts);
  };
  walk(undoKey);
  QCOMPARE(box.text(), start);
  walk(redoKey);
}

void UndoTest::contextMenuIsTheStandardOneWalkingTheHistory() {
  auto platform = quietPlatform();
  app::MainWindow window(*platform);
  app::NameBox* box = window.pureCodeEdit();
  // The entries as "text" or "text (off)"; the shortcut after the tab left out.
  const auto menuEntries = [box] {
    std::unique_ptr<QMenu> menu(box->createContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions()) {
      entries << action->text().section(QLatin1Char('\t'), 0, 0) +
                     (action->isEnabled() ? QString() : QStringLiteral(" (off)"));
    }
    return entries;
  };
  const auto trigger = [box](const char* name) {
    std::unique_ptr<QMenu> menu(box->createContextMenu());
    menu->findChild<QAction*>(QString::fromLatin1(name))->trigger();
  };
  QGuiApplication::clipboard()->setText(QStringLiteral("^4pasted"));
  box->selectAll();
  // Qt's own entries; Color Letters, after them, has tests of its own.
  QCOMPARE(menuEntries().mid(0, 9), (QStringList{"&Undo (off)", "&Redo (off)", "", "Cu&t", "&Copy",
                                                 "&Paste", "Delete", "", "Select All (off)"}));

  applyTool(window, QStringLiteral("stripCodes"));
  QCOMPARE(menuEntries().mid(0, 2), (QStringList{"&Undo", "&Redo (off)"}));
  trigger("edit-undo");
  QCOMPARE(window.name(), kSample);
  QCOMPARE(menuEntries().mid(0, 2), (QStringList{"&Undo (off)", "&Redo"}));
  trigger("edit-redo");
  QCOMPARE(window.name(), QStringLiteral("Tarnwick!!!!"));
}

void UndoTest::historyOfLongNamesIsBounded() {
  constexpr qsizetype kMillion = 1 << 20;
  app::NameHistory history;
  QList<QString> names;
  for (int click = 0; click < 40; ++click) {
    names << QString(kMillion, QChar(u'a' + click % 26));
    history.push({names.last(), 0, 0});
  }
  // 32 Mi characters hold 31 such names with their bookkeeping.
  QVERIFY(history.keptCharacters() <= app::NameHistory::kDefaultBudget);
  QCOMPARE(history.undoSteps(), 31);
  // The latest steps are the ones kept, in order.
  QString current = QStringLiteral("now");
  for (qsizetype step = names.size() - 1; step >= names.size() - 31; --step) {
    const std::optional<app::NameState> previous = history.undo({current, 0, 0});
    QVERIFY(previous.has_value());
    QVERIFY(previous->text == names.at(step));
    current = previous->text;
  }
  QVERIFY(!history.canUndo());

  // A single step larger than the whole budget is still kept.
  app::NameHistory small(10);
  small.push({QString(100, u'x'), 0, 0});
  small.push({QString(100, u'y'), 0, 0});
  QCOMPARE(small.undoSteps(), 1);
  QCOMPARE(small.undo({}).value().text, QString(100, u'y'));
}

void UndoTest::droppedCfgFileLoadsAsOneStep() {
  auto platform = quietPlatform();
  app::MainWindow window(*platform);
  QTemporaryDir folder;
  QFile file(folder.filePath(QStringLiteral("mine.CFG")));
  QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Name ^2dropped\r\n") > 0);
  file.close();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(file.fileName())});
  data.setText(file.fileName());  // as file managers offer it: no text for the box
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window.pureCodeEdit(), &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window.pureCodeEdit(), &drop);
  QTRY_COMPARE(window.name(), QStringLiteral("^2dropped"));
  undoKey(window.pureCodeEdit());
  QCOMPARE(window.name(), kSample);

  // A source that no longer gives the file once it is dropped.
  QApplication::sendEvent(&window, &enter);
  QMimeData emptied;
  QDropEvent late(QPointF(5, 5), Qt::CopyAction, &emptied, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &late);
  QTRY_COMPARE(window.name(), QStringLiteral("^2dropped"));
}

QTEST_MAIN(UndoTest)
#include "undo_test.moc"

// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Color Letters from the name box's context menu: where the submenu sits,
// what each item does to the selection or the whole name, that each is one
// undo step, and what happens when a colour list holds no colour name.
#include "core/colorletters.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QRandomGenerator>
#include <QTest>
#include <memory>

#include "app/mainwindow.h"
#include "app/previewpanel.h"
#include "core/preview.h"
#include "fakeplatform.h"

namespace {

constexpr quint32 kSeed = 7;

// A fake platform whose store already has the first-run notice behind it.
std::unique_ptr<testing_support::FakePlatform> quietPlatform() {
  auto platform = std::make_unique<testing_support::FakePlatform>();
  platform->settings.insert(QStringLiteral("Configuration/First Run"), QStringLiteral("1"));
  return platform;
}

void setColorLists(app::MainWindow& window, const QString& from, const QString& to) {
  window.findChild<QComboBox*>(QStringLiteral("fromCol"))->setEditText(from);
  window.findChild<QComboBox*>(QStringLiteral("toCol"))->setEditText(to);
}

// Puts the name into the box as the start of its history and selects the
// range, or only puts the caret at start when length is 0.
void prepareBox(app::NameBox* box, const QString& name, int start, int length) {
  box->setText(name);
  box->startHistory();
  if (length > 0) {
    box->setSelection(start, length);
  } else {
    box->setCursorPosition(start);
  }
}

// Chooses an item of the box's context menu, as a click on it does.
void chooseFromMenu(app::NameBox* box, const QString& item) {
  std::unique_ptr<QMenu> menu(box->createContextMenu());
  auto* action = menu->findChild<QAction*>(item);
  QVERIFY2(action != nullptr, qPrintable(item));
  action->trigger();
}

// What the core gives for the item, with a generator seeded as the window's.
std::optional<core::ColoredLetters> coreResult(const QString& item, const QString& name,
                                               qsizetype start, qsizetype length,
                                               const QString& from, const QString& to) {
  const int fromCode = core::colorNameToCode(from);
  const int toCode = core::colorNameToCode(to);
  if (item == QLatin1String("colorLettersRainbow")) {
    return core::rainbowLetters(name, start, length);
  }
  if (item == QLatin1String("colorLettersAlternate")) {
    return core::alternateLetters(name, start, length, fromCode, toCode);
  }
  if (item == QLatin1String("colorLettersFade")) {
    return core::fadeLetters(name, start, length, fromCode, toCode);
  }
  QRandomGenerator random(kSeed);
  return core::randomLetters(name, start, length, random);
}

// What the preview shows: each drawn character with its colour and size; an
// empty cell shows nothing, whatever size it was last drawn at.
QStringList drawn(const core::PreviewCells& cells) {
  QStringList shown;
  for (const core::PreviewCell& cell : cells) {
    shown << (cell.text.isEmpty() ? QStringLiteral(".")
                                  : QStringLiteral("%1 %2,%3,%4 %5pt")
                                        .arg(cell.text)
                                        .arg(cell.color.red)
                                        .arg(cell.color.green)
                                        .arg(cell.color.blue)
                                        .arg(cell.pointSize));
  }
  return shown;
}

// The entries of a menu as their texts, a submenu's followed by its own in
// brackets.
QStringList entriesOf(const QMenu& menu) {
  QStringList entries;
  for (const QAction* action : menu.actions()) {
    QString entry = action->text().section(QLatin1Char('\t'), 0, 0);
    if (action->menu() != nullptr) {
      entry += QStringLiteral(" [%1]").arg(entriesOf(*action->menu()).join(QLatin1Char('|')));
    }
    entries << entry;
  }
  return entries;
}

}  // namespace

class ColorLettersTest : public QObject {
  Q_OBJECT

 private slots:
  void contextMenuHoldsColorLettersThenPictureAndNameCfgItems();
  void shiftF10OpensTheContextMenu();
  void itemRecoloursThePartAsOneUndoStep_data();
  void itemRecoloursThePartAsOneUndoStep();
  void listWithoutAColourNameLeavesTheNameAlone_data();
  void listWithoutAColourNameLeavesTheNameAlone();
};

void ColorLettersTest::contextMenuHoldsColorLettersThenPictureAndNameCfgItems() {
  auto platform = quietPlatform();
  app::MainWindow window(*platform);
  app::NameBox* box = window.pureCodeEdit();
  std::unique_ptr<QMenu> menu(box->createContextMenu());
  QCOMPARE(entriesOf(*menu),
           (QStringList{"&Undo", "&Redo", "", "Cu&t", "&Copy", "&Paste", "Delete", "", "Select All",
                        "", "Color Letters [Rainbow|Alternate|Fade|Random]", "", "Copy Picture",
                        "Save Picture As\u2026", "", "Load name.cfg"}));
  QMenu* letters = menu->actions().at(10)->menu();
  QStringList names;
  for (const QAction* action : letters->actions()) {
    QVERIFY(action->isEnabled());
    names << action->objectName();
  }
  QCOMPARE(names, (QStringList{"colorLettersRainbow", "colorLettersAlternate", "colorLettersFade",
                               "colorLettersRandom"}));
  // Nothing may pop up over the preview by itself.
  QVERIFY(box->toolTip().isEmpty());
  QVERIFY(!letters->toolTipsVisible());
}

// Shift+F10 is the program's own shortcut on every platform.
void ColorLettersTest::shiftF10OpensTheContextMenu() {
  auto platform = quietPlatform();
  app::MainWindow window(*platform);
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  window.pureCodeEdit()->setFocus();
  QVERIFY(QApplication::activePopupWidget() == nullptr);
  QTest::keyClick(window.pureCodeEdit(), Qt::Key_F10, Qt::ShiftModifier);
  auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  QVERIFY(popup != nullptr);
  QVERIFY(popup->findChild<QMenu*>(QStringLiteral("colorLetters")) != nullptr);
  popup->close();
}

void ColorLettersTest::itemRecoloursThePartAsOneUndoStep_data() {
  QTest::addColumn<QString>("item");
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("start");  // with a length of 0, where the caret is
  QTest::addColumn<int>("length");
  QTest::addColumn<QString>("from");
  QTest::addColumn<QString>("to");
  const auto row = [](const char* guard, const char* item, const char* name, int start, int length,
                      const char* from = "Red", const char* to = "Blue") {
    QTest::newRow(guard) << QString::fromLatin1(item) << QString::fromUtf8(name) << start << length
                         << QString::fromLatin1(from) << QString::fromLatin1(to);
  };
  row("Rainbow, whole name", "colorLettersRainbow", "Tintra", 2, 0);
  row("Rainbow, a selection", "colorLettersRainbow", "^1Tintra", 3, 2);
  row("Rainbow needs no colour list", "colorLettersRainbow", "^1Tin tra", 0, 0, "red", "");
  row("Alternate, whole name", "colorLettersAlternate", "^1Tin tra", 9, 0, "Yellow", "Pink");
  row("Alternate, a selection", "colorLettersAlternate", "Veldmark", 2, 4, "White", "Black");
  row("Fade, whole name", "colorLettersFade", "abcdefgh", 0, 0, "Red", "Aqua");
  row("Fade, a selection starting in a code", "colorLettersFade", "^2Tin^4tra^5!", 6, 3);
  row("Random, whole name", "colorLettersRandom", "Tintra", 6, 0);
  row("Random, a selection", "colorLettersRandom", "^5Ti\xF0\x9F\x98\x80ntra", 3, 4, "", "x");
}

void ColorLettersTest::itemRecoloursThePartAsOneUndoStep() {
  QFETCH(QString, item);
  QFETCH(QString, name);
  QFETCH(int, start);
  QFETCH(int, length);
  QFETCH(QString, from);
  QFETCH(QString, to);
  auto platform = quietPlatform();
  app::MainWindow window(*platform);
  QRandomGenerator random(kSeed);
  window.setRandomGenerator(random);
  setColorLists(window, from, to);
  app::NameBox* box = window.pureCodeEdit();
  prepareBox(box, name, start, length);
  const std::optional<core::ColoredLetters> expected =
      coreResult(item, name, box->selectionStart(), box->selectionLength(), from, to);
  QVERIFY(expected.has_value());
  QVERIFY(expected->text != name);

  chooseFromMenu(box, item);
  QCOMPARE(window.name(), expected->text);
  QCOMPARE(qsizetype{box->selectionStart()}, expected->start);
  QCOMPARE(qsizetype{box->selectionLength()}, expected->length);
  core::PreviewCells cells = core::initialPreviewCells();
  core::renderPreview(cells, expected->text);
  QCOMPARE(drawn(window.previewPanel()->cells()), drawn(cells));
  QVERIFY(platform->messages.isEmpty());
  QCOMPARE(box->history().undoSteps(), 1);

  QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(window.name(), name);
  QCOMPARE(box->selectionStart(), length > 0 ? start : -1);
  QCOMPARE(box->selectionLength(), length);
  QCOMPARE(box->cursorPosition(), start + length);
  QVERIFY(!box->canUndo());
}

void ColorLettersTest::listWithoutAColourNameLeavesTheNameAlone_data() {
  QTest::addColumn<QString>("item");
  QTest::addColumn<QString>("from");
  QTest::addColumn<QString>("to");
  QTest::newRow("Alternate from a name in lower case") << "colorLettersAlternate"
                                                       << "red"
                                                       << "Blue";
  QTest::newRow("Alternate to an empty list") << "colorLettersAlternate"
                                              << "Red" << QString();
  QTest::newRow("Fade to a colour the game lacks") << "colorLettersFade"
                                                   << "Red"
                                                   << "Orange";
  QTest::newRow("Fade from a name with a space") << "colorLettersFade"
                                                 << "Green "
                                                 << "Pink";
}

void ColorLettersTest::listWithoutAColourNameLeavesTheNameAlone() {
  QFETCH(QString, item);
  QFETCH(QString, from);
  QFETCH(QString, to);
  auto platform = quietPlatform();
  app::MainWindow window(*platform);
  setColorLists(window, from, to);
  app::NameBox* box = window.pureCodeEdit();
  const QString name = QStringLiteral("^1Tin tra");
  prepareBox(box, name, 3, 3);
  QTest::keyClicks(box, QStringLiteral("x"));  // one step of typing to keep
  const QString typed = window.name();
  box->setSelection(1, 4);

  chooseFromMenu(box, item);
  QCOMPARE(platform->messages.size(), 1);
  QCOMPARE(platform->messages.first().title, QStringLiteral("Color Letters"));
  QVERIFY(platform->messages.first().prompt.contains(QStringLiteral("colour name")));
  QCOMPARE(window.name(), typed);
  QCOMPARE(box->selectionStart(), 1);
  QCOMPARE(box->selectionLength(), 4);
  QCOMPARE(box->history().undoSteps(), 1);
  QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(window.name(), name);
}

QTEST_MAIN(ColorLettersTest)
#include "colorletters_test.moc"

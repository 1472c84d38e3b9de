// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text of every window, menu and message box fits its control with the
// fonts in use, and the font draws each of its characters: the windows keep
// their designed places and sizes, so a font wider than the designed one cuts
// letters off. CTest runs this at 100 % and 200 % scaling, and under Wine on
// the windows platform, with the fonts Wine gives the program.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

#include "app/mainwindow.h"
#include "fakeplatform.h"
#include "platform/qtplatform.h"
#include "settings/settingstable.h"
#include "ui/frmbrowse.h"
#include "ui/leanstyle.h"

namespace {

using testing_support::FakePlatform;

// A text, the size it needs with its control's font and the room the control
// draws it in.
struct Fit {
  QString where;
  QString text;
  QFont font;
  QSize needs;
  QSize room;
};

QSize textSize(const QWidget& widget, const QString& text) {
  return widget.fontMetrics().size(Qt::TextShowMnemonic, text);
}

QString sizeText(QSize size) {
  return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

QSize buttonRoom(const QAbstractButton& button, QStyle::SubElement contents) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  const auto* push = qobject_cast<const QPushButton*>(&button);
  if (push != nullptr && push->autoDefault()) {
    option.features |= QStyleOptionButton::AutoDefaultButton;
  }
  return button.style()->subElementRect(contents, &option, &button).size();
}

std::optional<Fit> fitOf(const QWidget& control, const QString& where) {
  const QString name = where + u' ' + control.objectName();
  if (const auto* label = qobject_cast<const QLabel*>(&control);
      label && !label->text().isEmpty()) {
    const QSize needs = label->wordWrap() ? QSize(label->minimumSizeHint().width(),
                                                  label->heightForWidth(label->width()))
                                          : label->sizeHint();
    return Fit{name, label->text(), label->font(), needs, label->size()};
  }
  const auto* button = qobject_cast<const QAbstractButton*>(&control);
  if (button != nullptr && !button->text().isEmpty()) {
    const auto contents = qobject_cast<const QCheckBox*>(button) != nullptr
                              ? QStyle::SE_CheckBoxContents
                              : QStyle::SE_PushButtonContents;
    return Fit{name, button->text(), button->font(), textSize(*button, button->text()),
               buttonRoom(*button, contents)};
  }
  if (const auto* frame = qobject_cast<const QGroupBox*>(&control);
      frame && !frame->title().isEmpty()) {
    return Fit{name, frame->title(), frame->font(), frame->minimumSizeHint(), frame->size()};
  }
  return std::nullopt;
}

// Menus size themselves to their items; a menu bar does not, and hides what
// it cannot hold.
void addMenuFits(const QWidget& menu, const QString& where, QList<Fit>& fits) {
  const auto* bar = qobject_cast<const QMenuBar*>(&menu);
  const QRect inside = bar != nullptr ? bar->rect() : QRect(QPoint(), menu.sizeHint());
  for (QAction* item : menu.actions()) {
    const QRect place = bar != nullptr ? bar->actionGeometry(item)
                                       : static_cast<const QMenu&>(menu).actionGeometry(item);
    if (!item->isSeparator()) {
      fits << Fit{where, item->text(), menu.font(), textSize(menu, item->text()),
                  inside.intersected(place).size()};
    }
    if (item->menu() != nullptr) {
      addMenuFits(*item->menu(), where + u'/' + item->text(), fits);
    }
  }
}

// The characters of a text that its font draws no ink for. Under Wine, GDI
// drew no capital I in Liberation Sans at 11 pixels: the About window read
// "f you have suggestions".
QString inkless(const QFont& font, const QString& text, qreal scale) {
  const int side = QFontMetrics(font).height() * 2;
  QImage blank(QSize(side, side) * scale, QImage::Format_RGB32);
  blank.setDevicePixelRatio(scale);
  blank.fill(Qt::white);
  QString missing;
  for (const QChar character : text) {
    if (character.isSpace() || character == u'&' || missing.contains(character)) {
      continue;
    }
    QImage drawn = blank;
    QPainter painter(&drawn);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, side, side), Qt::AlignCenter, character);
    painter.end();
    if (drawn == blank) {
      missing += character;
    }
  }
  return missing;
}

QStringList clippedIn(const QWidget& window, const QString& name) {
  QList<Fit> fits;
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    if (control->window() == &window && control->isVisibleTo(&window)) {
      if (const std::optional<Fit> fit = fitOf(*control, name)) {
        fits << *fit;
      }
    }
  }
  if (const auto* main = qobject_cast<const app::MainWindow*>(&window)) {
    addMenuFits(*main->menuBar(), name + QStringLiteral(" menu"), fits);
    const std::unique_ptr<QMenu> context(main->pureCodeEdit()->createContextMenu());
    addMenuFits(*context, name + QStringLiteral(" pureCode menu"), fits);
  }
  QStringList clipped;
  for (const Fit& fit : fits) {
    const QString missing = inkless(fit.font, fit.text, window.devicePixelRatioF());
    if (!missing.isEmpty()) {
      clipped
          << QStringLiteral("%1 \"%2\": draws no %3").arg(fit.where, fit.text.left(50), missing);
    }
    if (fit.needs.boundedTo(fit.room) != fit.needs) {
      clipped << QStringLiteral("%1 \"%2\": needs %3, has %4")
                     .arg(fit.where, fit.text.left(50), sizeText(fit.needs), sizeText(fit.room));
    }
  }
  return clipped;
}

// Shows the message as the program does and notes what is clipped in it.
void checkMessageBox(const FakePlatform::Message& message, QStringList& clipped) {
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      clipped << QStringLiteral("no message box shown for \"%1\"").arg(message.prompt);
      return;
    }
    clipped << clippedIn(*box, QStringLiteral("message box \"%1\"").arg(message.prompt.left(30)));
    box->done(0);
  });
  platform::QtPlatform().messageBox(message.prompt, message.style, message.title);
}

QWidget* shownWindow(const char* name) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == QLatin1String(name) && window->isVisible()) {
      return window;
    }
  }
  return nullptr;
}

void click(const char* window, const char* button) {
  shownWindow(window)->findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

// Opens a window from the main window.
using Opener = std::function<void(app::MainWindow&)>;

}  // namespace

Q_DECLARE_METATYPE(Opener)

class TextFitTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setStyle(new ui::LeanStyle); }
  void windowTextsFit_data();
  void windowTextsFit();
  void messageBoxesShowTheirTextsWhole();
};

void TextFitTest::windowTextsFit_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<Opener>("open");
  QTest::newRow("main") << "main" << Opener([](app::MainWindow&) {});
  QTest::newRow("Configuration") << "frmConfig"
                                 << Opener([](app::MainWindow& main) { main.config_Click(); });
  QTest::newRow("browse") << "frmBrowse" << Opener([](app::MainWindow& main) {
    main.config_Click();
    click("frmConfig", "cmdBrowse");
  });
  QTest::newRow("Help") << "frmHelp"
                        << Opener([](app::MainWindow& main) { main.Command1_Click(); });
  QTest::newRow("About") << "frmAbout" << Opener([](app::MainWindow& main) { main.About_Click(); });
}

void TextFitTest::windowTextsFit() {
  QFETCH(QString, window);
  QFETCH(Opener, open);
  FakePlatform fake;
  fake.settings.insert(settings::kFirstRun.section + u'/' + settings::kFirstRun.key,
                       QStringLiteral("1"));
  app::MainWindow main(fake);
  main.show();
  open(main);
  QWidget* shown = shownWindow(qPrintable(window));
  QVERIFY(shown != nullptr && QTest::qWaitForWindowExposed(shown));
  const QStringList clipped = clippedIn(*shown, window);
  QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

// Each message box the program shows, shown by what shows it.
void TextFitTest::messageBoxesShowTheirTextsWhole() {
  FakePlatform fake;
  QStringList clipped;
  fake.onMessage = [&clipped](const FakePlatform::Message& message) {
    checkMessageBox(message, clipped);
  };
  app::MainWindow main(fake);  // the first-run notice
  main.show();
  main.mkname_Click();  // no game folder chosen
  fake.settings.insert(
      settings::kVeldmarkLocation.section + u'/' + settings::kVeldmarkLocation.key,
      QDir::toNativeSeparators(QDir::homePath() + QStringLiteral("/Games/Veldmark")));
  main.config_Click();
  click("frmConfig", "cmdBrowse");
  click("frmBrowse", "Command1");  // no VELDMARKMP.EXE chosen
  qobject_cast<ui::FrmBrowse*>(shownWindow("frmBrowse"))
      ->openFolder(QDir::tempPath() + QStringLiteral("/tintra-no-such-folder"));
  click("frmConfig", "close");  // reads the game folder in
  main.setName(QStringLiteral("^9Tin\u4E2D\u6587tra"));
  main.cycleColors_Click();  // an unknown code
  main.mkname_Click();       // characters name.cfg cannot hold
  main.setName(QStringLiteral("^1Tintra"));
  main.mkname_Click();  // replace?, then made
  fake.writeResult = {false, QStringLiteral("Access is denied.")};
  main.mkname_Click();  // replace?, then not written
  main.findChild<QComboBox*>(QStringLiteral("fromCol"))->setEditText(QStringLiteral("x"));
  main.colorLetters_Click(app::LetterPattern::Alternate);
  fake.openResult = 0;
  main.Command5_Click();
  main.About_Click();
  click("frmAbout", "Command2");  // readme.txt, where it is missing
  fake.savesFail = true;
  main.close_Click();  // settings not kept, the quit question, the changes lost
  QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

QTEST_MAIN(TextFitTest)
#include "textfit_test.moc"

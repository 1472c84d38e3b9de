// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qtplatform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

using Button = QMessageBox::StandardButton;

// What the box showed, read while it was open.
struct SeenBox {
  QString title;
  QString text;
  Qt::TextFormat format = Qt::AutoText;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  Button defaultButton = QMessageBox::NoButton;
};

// How the user answers: a click on a button, or a key.
struct Answer {
  Button click = QMessageBox::NoButton;
  Qt::Key key = Qt::Key_unknown;
};

// Shows a box through the platform and answers it as the user would, once it
// is up; returns what messageBox returned.
int showAndAnswer(platform::Platform& platform, const QString& prompt, int style,
                  const QString& title, Answer answer, SeenBox& seen) {
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      return;
    }
    poll.stop();
    seen = {box->windowTitle(),     box->text(),
            box->textFormat(),      box->icon(),
            box->standardButtons(), box->standardButton(box->defaultButton())};
    if (answer.click != QMessageBox::NoButton && box->button(answer.click) != nullptr) {
      box->button(answer.click)->click();
    } else if (answer.key != Qt::Key_unknown) {
      QTest::keyClick(box, answer.key);
    } else {
      box->done(-1);
    }
  });
  poll.start();
  return platform.messageBox(prompt, style, title);
}

struct BoxCase {
  const char* guard;
  int style;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  Button defaultButton;
  Answer answer;
  int returned;
};

class MessageBoxStyles : public testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxStyles, ShowTheirButtonsAndIconAndReturnTheButtonNumber) {
  const BoxCase& c = GetParam();
  platform::QtPlatform qtPlatform;
  SeenBox seen;
  EXPECT_EQ(showAndAnswer(qtPlatform, QStringLiteral("Prompt"), c.style, QStringLiteral("Title"),
                          c.answer, seen),
            c.returned);
  EXPECT_EQ(seen.icon, c.icon);
  EXPECT_EQ(seen.buttons, c.buttons);
  EXPECT_EQ(seen.defaultButton, c.defaultButton);
}

const auto kYesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
const auto kYesNo = QMessageBox::Yes | QMessageBox::No;

INSTANTIATE_TEST_SUITE_P(Cases, MessageBoxStyles,
                         testing::Values(BoxCase{"okWithoutIcon",
                                                 0,
                                                 QMessageBox::NoIcon,
                                                 QMessageBox::Ok,
                                                 QMessageBox::Ok,
                                                 {QMessageBox::Ok, {}},
                                                 1},
                                         BoxCase{"okWithStopIcon",
                                                 16,
                                                 QMessageBox::Critical,
                                                 QMessageBox::Ok,
                                                 QMessageBox::Ok,
                                                 {QMessageBox::Ok, {}},
                                                 1},
                                         BoxCase{"okWithInformationIcon",
                                                 64,
                                                 QMessageBox::Information,
                                                 QMessageBox::Ok,
                                                 QMessageBox::Ok,
                                                 {{}, Qt::Key_Return},
                                                 1},
                                         BoxCase{"yesNoCancelEnterIsYes",
                                                 67,
                                                 QMessageBox::Information,
                                                 kYesNoCancel,
                                                 QMessageBox::Yes,
                                                 {{}, Qt::Key_Return},
                                                 6},
                                         BoxCase{"yesNoCancelNo",
                                                 67,
                                                 QMessageBox::Information,
                                                 kYesNoCancel,
                                                 QMessageBox::Yes,
                                                 {QMessageBox::No, {}},
                                                 7},
                                         BoxCase{"yesNoCancelCancel",
                                                 67,
                                                 QMessageBox::Information,
                                                 kYesNoCancel,
                                                 QMessageBox::Yes,
                                                 {QMessageBox::Cancel, {}},
                                                 2},
                                         BoxCase{"yesNoCancelEscapeIsCancel",
                                                 67,
                                                 QMessageBox::Information,
                                                 kYesNoCancel,
                                                 QMessageBox::Yes,
                                                 {{}, Qt::Key_Escape},
                                                 2},
                                         BoxCase{"yesNoEnterIsYes",
                                                 68,
                                                 QMessageBox::Information,
                                                 kYesNo,
                                                 QMessageBox::Yes,
                                                 {{}, Qt::Key_Return},
                                                 6},
                                         BoxCase{"yesNoNo",
                                                 68,
                                                 QMessageBox::Information,
                                                 kYesNo,
                                                 QMessageBox::Yes,
                                                 {QMessageBox::No, {}},
                                                 7},
                                         BoxCase{"yesNoWithoutIcon",
                                                 4,
                                                 QMessageBox::NoIcon,
                                                 kYesNo,
                                                 QMessageBox::Yes,
                                                 {QMessageBox::Yes, {}},
                                                 6}),
                         [](const auto& info) { return std::string(info.param.guard); });

TEST(MessageBoxText, BoxWithoutATitleCarriesTheApplicationTitle) {
  platform::QtPlatform qtPlatform;
  platform::Platform& asPlatform = qtPlatform;
  SeenBox seen;
  showAndAnswer(asPlatform, QStringLiteral("Unreconised Case"), 0, QString(), {QMessageBox::Ok, {}},
                seen);
  EXPECT_EQ(seen.title, QStringLiteral("Veldmark Name Colorizer"));
  EXPECT_EQ(seen.text, QStringLiteral("Unreconised Case"));
}

TEST(MessageBoxText, PromptIsShownAsPlainTextUnderItsOwnTitle) {
  platform::QtPlatform qtPlatform;
  SeenBox seen;
  showAndAnswer(qtPlatform, QStringLiteral("<b>^1Me</b> & you"), 64,
                QStringLiteral("Veldmark Colorizer"), {QMessageBox::Ok, {}}, seen);
  EXPECT_EQ(seen.title, QStringLiteral("Veldmark Colorizer"));
  EXPECT_EQ(seen.text, QStringLiteral("<b>^1Me</b> & you"));
  EXPECT_EQ(seen.format, Qt::PlainText);
}

TEST(QtPlatformServices, BusyPointerIsShownAndRestored) {
  platform::QtPlatform qtPlatform;
  qtPlatform.setBusyPointer(true);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  qtPlatform.setBusyPointer(true);
  qtPlatform.setBusyPointer(false);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtPlatformServices, DefaultPointerWhenNeverBusyChangesNothing) {
  platform::QtPlatform qtPlatform;
  qtPlatform.setBusyPointer(false);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtPlatformServices, ClipboardHoldsThePlainText) {
  platform::QtPlatform qtPlatform;
  qtPlatform.setClipboardText(QStringLiteral("^1Tintra ^2!"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("^1Tintra ^2!"));
}

TEST(QtPlatformServices, VersionIsOneTwoTwo) {
  EXPECT_EQ(platform::QtPlatform().version(), (platform::Version{1, 2, 2}));
}

}  // namespace

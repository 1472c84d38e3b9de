// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/keyinjection.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// Lets queued events run until the line edit shows the text, or a second passes.
testing::AssertionResult eventuallyShows(const QLineEdit* edit, const QString& text) {
  if (QTest::qWaitFor([&] { return edit->text() == text; }, 1000)) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "shows \"" << edit->text().toStdString() << '"';
}

TEST(KeyStringToText, BracedCaretIsALiteralCaret) {
  const struct {
    const char* keys;
    const char* text;
  } cases[] = {
      {"{^}1", "^1"}, {"{^}{^}", "^^"}, {"abc", "abc"}, {"", ""}, {"{^", "{^"}, {"a{^}b", "a^b"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::keyStringToText(QString::fromUtf8(c.keys)), QString::fromUtf8(c.text))
        << c.keys;
  }
}

class KeyInjectionTest : public testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window_);
    first_ = new QLineEdit(&window_);
    second_ = new QLineEdit(&window_);
    layout->addWidget(first_);
    layout->addWidget(second_);
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    first_->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), first_);
  }

  QWidget window_;
  QLineEdit* first_ = nullptr;
  QLineEdit* second_ = nullptr;
};

TEST_F(KeyInjectionTest, KeysArriveAfterTheHandlerReturns) {
  first_->setText(QStringLiteral("Name"));
  platform::injectKeys(QStringLiteral("{^}1"));
  EXPECT_EQ(first_->text(), QStringLiteral("Name")) << "typed before the handler returned";
  EXPECT_TRUE(eventuallyShows(first_, QStringLiteral("Name^1")));
}

TEST_F(KeyInjectionTest, EachKeyIsAChangeOfItsOwnAtTheCaret) {
  first_->setText(QStringLiteral("ab"));
  first_->setCursorPosition(1);
  QSignalSpy changes(first_, &QLineEdit::textChanged);
  platform::injectKeys(QStringLiteral("{^}2"));
  EXPECT_TRUE(eventuallyShows(first_, QStringLiteral("a^2b")));
  ASSERT_EQ(changes.size(), 2);
  EXPECT_EQ(changes.at(0).at(0).toString(), QStringLiteral("a^b"));
}

TEST_F(KeyInjectionTest, KeysGoWhereTheFocusIsWhenTheyArrive) {
  platform::injectKeys(QStringLiteral("x"));
  second_->setFocus();
  EXPECT_TRUE(eventuallyShows(second_, QStringLiteral("x")));
  EXPECT_TRUE(first_->text().isEmpty());
}

TEST_F(KeyInjectionTest, CharacterOutsideTheBmpArrivesWhole) {
  platform::injectKeys(QString::fromUtf8("a\U0001F600b"));
  EXPECT_TRUE(eventuallyShows(first_, QString::fromUtf8("a\U0001F600b")));
}

}  // namespace

// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Help and About windows on the offscreen platform with the recording
// fake: one of each at most, Close unloads, the help file is re-read on
// activation, and the focus goes back to the name box.
#include "ui/helpwindows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "fakeplatform.h"

namespace {

using testing_support::FakePlatform;

int countTopLevel(const QString& objectName) {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    count += widget->objectName() == objectName && widget->isVisible() ? 1 : 0;
  }
  return count;
}

class HelpWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    savedFolder_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    main_.setObjectName(QStringLiteral("main"));
    auto* layout = new QVBoxLayout(&main_);
    pureCode_ = new QLineEdit(&main_);
    pureCode_->setObjectName(QStringLiteral("pureCode"));
    layout->addWidget(pureCode_);
    layout->addWidget(new QPushButton(QStringLiteral("Other"), &main_));
    main_.show();
    activate(&main_);
  }

  void TearDown() override {
    windows_.reset();
    QApplication::processEvents();
    QDir::setCurrent(savedFolder_);
  }

  static void activate(QWidget* window) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  void writeHelp(const QByteArray& text) const {
    QFile file(folder_.filePath(QStringLiteral("help.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }

  [[nodiscard]] QString viewerText() const {
    return windows_->helpWindow()
        ->findChild<QTextBrowser*>(QStringLiteral("RichTextBox1"))
        ->toPlainText();
  }

  static void click(QWidget* window, const char* button) {
    QTest::mouseClick(window->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
  }

  QTemporaryDir folder_;
  QString savedFolder_;
  FakePlatform platform_;
  QWidget main_;
  QLineEdit* pureCode_ = nullptr;
  std::unique_ptr<ui::HelpWindows> windows_ = std::make_unique<ui::HelpWindows>(platform_, nullptr);
};

TEST_F(HelpWindowsTest, HelpWindowHasItsDesignedControls) {
  windows_->showHelp();
  ui::FrmHelp* help = windows_->helpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->windowTitle(), QStringLiteral("Help"));
  EXPECT_TRUE(help->windowFlags().testFlag(Qt::Tool));
  EXPECT_EQ(help->size(), QSize(386, 289));
  EXPECT_EQ(help->minimumSize(), help->maximumSize());
  EXPECT_EQ(help->findChild<QPushButton*>("Command1")->text(), QStringLiteral("Close Help"));
  EXPECT_EQ(help->findChild<QPushButton*>("Command2")->text(), QStringLiteral("View Readme"));
  const auto* viewer = help->findChild<QTextBrowser*>("RichTextBox1");
  EXPECT_EQ(viewer->geometry(), QRect(8, 8, 369, 241));
  EXPECT_TRUE(viewer->isReadOnly());
  EXPECT_EQ(help->findChild<QPushButton*>("Command2")->nextInFocusChain(),
            help->findChild<QPushButton*>("Command1"));
}

TEST_F(HelpWindowsTest, HelpShowsThePlainFileInTheViewerFont) {
  writeHelp("Press F1 to type ^1.\r\nF9 clears the name.");
  windows_->showHelp();
  ASSERT_TRUE(QTest::qWaitForWindowActive(windows_->helpWindow()));
  EXPECT_EQ(viewerText(), QStringLiteral("Press F1 to type ^1.\nF9 clears the name."));
  const auto* viewer = windows_->helpWindow()->findChild<QTextBrowser*>("RichTextBox1");
  EXPECT_EQ(viewer->document()->defaultFont().pointSizeF(), 8.25);
}

TEST_F(HelpWindowsTest, MissingHelpFileShowsANoticeInTheViewer) {
  windows_->showHelp();
  ASSERT_TRUE(QTest::qWaitForWindowActive(windows_->helpWindow()));
  EXPECT_TRUE(viewerText().contains(QStringLiteral("\"help.txt\" was not found")));
}

TEST_F(HelpWindowsTest, HelpRereadsTheFileWhenComingBackFromAnotherWindow) {
  writeHelp("first text");
  windows_->showHelp();
  ui::FrmHelp* help = windows_->helpWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(help));
  EXPECT_EQ(viewerText(), QStringLiteral("first text"));
  const int loads = help->loadCount();

  writeHelp("{\\rtf1 edited {\\b text}}");
  EXPECT_EQ(viewerText(), QStringLiteral("first text")) << "nothing changes while it stays active";
  activate(&main_);
  activate(help);
  EXPECT_EQ(viewerText(), QStringLiteral("edited text"));
  EXPECT_EQ(help->loadCount(), loads + 1);

  windows_->showAbout();
  ASSERT_TRUE(QTest::qWaitForWindowActive(windows_->aboutWindow()));
  writeHelp("third");
  activate(help);
  EXPECT_EQ(viewerText(), QStringLiteral("third"));
}

// The window system reports no focus window while another program is active.
TEST_F(HelpWindowsTest, ComingBackFromAnotherProgramDoesNotReread) {
  writeHelp("before");
  windows_->showHelp();
  ui::FrmHelp* help = windows_->helpWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(help));
  activate(&main_);
  emit qGuiApp->focusWindowChanged(nullptr);
  writeHelp("after");
  activate(help);
  EXPECT_EQ(viewerText(), QStringLiteral("before"));

  activate(&main_);
  activate(help);
  EXPECT_EQ(viewerText(), QStringLiteral("after"));
}

TEST_F(HelpWindowsTest, CloseHelpUnloadsAndGivesTheFocusBackToTheNameBox) {
  windows_ = std::make_unique<ui::HelpWindows>(platform_, pureCode_);
  main_.findChild<QPushButton*>()->setFocus();
  windows_->showHelp();
  QPointer<ui::FrmHelp> help = windows_->helpWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(help));

  click(help, "Command1");
  EXPECT_EQ(platform_.unloadedWindows, QList<QWidget*>{help.data()});
  EXPECT_EQ(windows_->helpWindow(), nullptr);
  QTRY_VERIFY_WITH_TIMEOUT(help.isNull(), 2000);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main_));
  EXPECT_EQ(QApplication::focusWidget(), pureCode_);

  windows_->showHelp();
  ASSERT_NE(windows_->helpWindow(), nullptr);
  EXPECT_EQ(countTopLevel(QStringLiteral("frmHelp")), 1);
}

TEST_F(HelpWindowsTest, AboutShowsTheVersionLineRebuiltOnEachOpening) {
  windows_->showAbout();
  QPointer<ui::FrmAbout> about = windows_->aboutWindow();
  EXPECT_EQ(about->windowTitle(), QStringLiteral("About"));
  EXPECT_EQ(about->size(), QSize(506, 215));
  EXPECT_EQ(about->findChild<QLabel*>("Label1")->text(),
            QStringLiteral("Veldmark Name Colorizer V1.22"));
  EXPECT_EQ(about->findChild<QLabel*>("Label3")->text(),
            QStringLiteral("If you have suggestions or comments then e-mail :"));
  EXPECT_TRUE(about->findChild<QLabel*>("Label2")->text().startsWith("Programmed by "));
  EXPECT_TRUE(about->findChild<QLabel*>("Label2")->text().endsWith("2002"));
  EXPECT_TRUE(about->findChild<QLabel*>("Label4")->text().endsWith("@example.org"));
  EXPECT_FALSE(about->findChild<QLabel*>("Label5")->text().isEmpty());
  EXPECT_EQ(about->findChild<QPushButton*>("Command1")->text(), QStringLiteral("Close"));

  platform_.programVersion = {1, 0, 1};
  windows_->showAbout();
  EXPECT_EQ(about->findChild<QLabel*>("Label1")->text(),
            QStringLiteral("Veldmark Name Colorizer V1.22"))
      << "an open window keeps its line";
  click(about, "Command1");
  EXPECT_EQ(platform_.unloadedWindows, QList<QWidget*>{about.data()});
  windows_->showAbout();
  EXPECT_NE(windows_->aboutWindow(), about.data());
  EXPECT_EQ(windows_->aboutWindow()->findChild<QLabel*>("Label1")->text(),
            QStringLiteral("Veldmark Name Colorizer V1.01"));
}

TEST_F(HelpWindowsTest, AboutPhotographIsTheEmbeddedPicture) {
  windows_->showAbout();
  const auto* picture = windows_->aboutWindow()->findChild<QLabel*>("Picture1");
  EXPECT_EQ(picture->pixmap().size(), QSize(216, 173));
  EXPECT_EQ(picture->geometry(), QRect(8, 8, 217, 177));
  EXPECT_EQ(picture->alignment(), Qt::AlignLeft | Qt::AlignTop);
}

TEST_F(HelpWindowsTest, BothViewReadmeButtonsOpenTheReadmeAndStayOpen) {
  QFile readme(QStringLiteral("readme.txt"));
  ASSERT_TRUE(readme.open(QIODevice::WriteOnly));
  readme.close();
  windows_->showHelp();
  windows_->showAbout();
  const QString path = QDir(folder_.path()).filePath(QStringLiteral("readme.txt"));
  // Notepad, with a Windows path, where file names are Windows'.
  for (const bool windows : {false, true}) {
    platform_.windows = windows;
    platform_.launches.clear();
    click(windows_->helpWindow(), "Command2");
    click(windows_->aboutWindow(), "Command2");
    const FakePlatform::Launch expected =
        windows ? FakePlatform::Launch{"notepad", {QString(path).replace(u'/', u'\\')}}
                : FakePlatform::Launch{"xdg-open", {path}};
    ASSERT_EQ(platform_.launches.size(), 2);
    for (const FakePlatform::Launch& launch : platform_.launches) {
      EXPECT_EQ(launch.program, expected.program);
      EXPECT_EQ(launch.arguments, expected.arguments);
    }
  }
  EXPECT_TRUE(windows_->helpWindow()->isVisible());
  EXPECT_TRUE(windows_->aboutWindow()->isVisible());
  EXPECT_TRUE(platform_.messages.isEmpty());
}

TEST_F(HelpWindowsTest, MissingReadmeIsToldInsteadOfLaunchingNothing) {
  windows_->showAbout();
  click(windows_->aboutWindow(), "Command2");
  EXPECT_TRUE(platform_.launches.isEmpty());
  ASSERT_EQ(platform_.messages.size(), 1);
  EXPECT_TRUE(platform_.messages.first().prompt.contains(QStringLiteral("\"readme.txt\"")));
}

TEST(AboutVersionLine, PutsAPointAfterTheMajorNumberOnly) {
  EXPECT_EQ(ui::aboutVersionLine({1, 2, 2}), QStringLiteral("Veldmark Name Colorizer V1.22"));
  EXPECT_EQ(ui::aboutVersionLine({1, 0, 1}), QStringLiteral("Veldmark Name Colorizer V1.01"));
  EXPECT_EQ(ui::aboutVersionLine({2, 10, 3}), QStringLiteral("Veldmark Name Colorizer V2.103"));
}

}  // namespace

// The icon compiled into the program and the finder of its shipped text files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "data/appicon.h"
#include "data/datafiles.h"

namespace {

TEST(ApplicationIcon, HoldsEverySizeDrawnForItsSize) {
  const QIcon icon = appdata::applicationIcon();
  const QList<QSize> expected{QSize(16, 16), QSize(32, 32),   QSize(48, 48),
                              QSize(64, 64), QSize(128, 128), QSize(256, 256)};
  EXPECT_EQ(icon.availableSizes(), expected);
  for (const QSize& size : expected) {
    const QImage image = icon.pixmap(size).toImage();
    ASSERT_EQ(image.size(), size) << "the PNG for " << size.width() << " is missing";
    // The corners are transparent and the middle of the caret is painted.
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_GT(qAlpha(image.pixel(size.width() / 2, size.height() / 4)), 200);
  }
}

TEST(ApplicationIcon, DesktopIdentityNamesTheEntryAndSetsTheIcon) {
  appdata::setUpDesktopIdentity();
  EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.example.Tintra"));
  const QList<QSize> small{QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
  EXPECT_EQ(QGuiApplication::windowIcon().availableSizes(), small);
}

class DataFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch_.isValid());
    ASSERT_TRUE(QDir(scratch_.path()).mkpath(QStringLiteral("cwd")));
    ASSERT_TRUE(QDir(scratch_.path()).mkpath(QStringLiteral("prefix/bin")));
    ASSERT_TRUE(QDir(scratch_.path()).mkpath(QStringLiteral("prefix/share/tintra")));
  }
  QString path(const QString& relative) const { return scratch_.filePath(relative); }
  static void write(const QString& file) {
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("text\n");
  }
  QString locate(const QString& name) const {
    return appdata::locateDataFile(name, path(QStringLiteral("cwd")),
                                   path(QStringLiteral("prefix/bin")));
  }

  QTemporaryDir scratch_;
};

TEST_F(DataFiles, CopyInTheCurrentFolderWins) {
  write(path(QStringLiteral("cwd/help.txt")));
  write(path(QStringLiteral("prefix/share/tintra/help.txt")));
  EXPECT_EQ(locate(QStringLiteral("help.txt")), path(QStringLiteral("cwd/help.txt")));
}

TEST_F(DataFiles, InstalledCopyUsedWhenTheCurrentFolderHasNone) {
  write(path(QStringLiteral("prefix/share/tintra/readme.txt")));
  EXPECT_EQ(locate(QStringLiteral("readme.txt")),
            path(QStringLiteral("prefix/share/tintra/readme.txt")));
}

TEST_F(DataFiles, FolderNamedLikeTheFileIsPassedOver) {
  ASSERT_TRUE(QDir(path(QStringLiteral("cwd"))).mkdir(QStringLiteral("help.txt")));
  write(path(QStringLiteral("prefix/share/tintra/help.txt")));
  EXPECT_EQ(locate(QStringLiteral("help.txt")),
            path(QStringLiteral("prefix/share/tintra/help.txt")));
}

TEST_F(DataFiles, NeitherPresentNamesTheCurrentFolder) {
  EXPECT_EQ(locate(QStringLiteral("help.txt")), path(QStringLiteral("cwd/help.txt")));
}

}  // namespace

int main(int argc, char** argv) {
  // Test discovery runs this without the test environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/helptext.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using ui::HelpText;

void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class HelpFiles : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(root_.isValid()); }
  [[nodiscard]] QString path(const QString& relative) const { return root_.filePath(relative); }

 private:
  QTemporaryDir root_;
};

TEST_F(HelpFiles, CurrentFolderComesFirstThenTheInstalledCopy) {
  const QString current = path("work");
  const QString programDir = path("prefix/bin");
  QDir().mkpath(current);
  QDir().mkpath(programDir);
  EXPECT_TRUE(ui::findDataFile("help.txt", current, programDir, false).isEmpty());
  EXPECT_TRUE(ui::findDataFile("help.txt", current, programDir, true).isEmpty());

  writeFile(path("prefix/share/tintra/help.txt"), "installed");
  writeFile(path("prefix/bin/readme.txt"), "beside tintra.exe");
  EXPECT_EQ(ui::findDataFile("help.txt", current, programDir, false),
            path("prefix/share/tintra/help.txt"));
  EXPECT_EQ(ui::findDataFile("readme.txt", current, programDir, true),
            path("prefix/bin/readme.txt"));
  EXPECT_TRUE(ui::findDataFile("help.txt", current, programDir, true).isEmpty());
  EXPECT_TRUE(ui::findDataFile("readme.txt", current, programDir, false).isEmpty());

  writeFile(path("work/help.txt"), "local");
  EXPECT_EQ(ui::findDataFile("help.txt", current, programDir, false), path("work/help.txt"));
  EXPECT_EQ(ui::findDataFile("help.txt", current, programDir, true), path("work/help.txt"));
}

TEST_F(HelpFiles, PlainTextIsUtf8OrElseWindows1252) {
  writeFile(path("utf8.txt"),
            "\xEF\xBB\xBF"
            "Caf\xC3\xA9 ^1red\r\nline two\r\n");
  const HelpText utf8 = ui::readHelpText(path("utf8.txt"));
  EXPECT_EQ(utf8.kind, HelpText::Kind::Plain);
  EXPECT_EQ(utf8.plain, QStringLiteral("Caf\u00e9 ^1red\nline two\n"));

  writeFile(path("ansi.txt"), "Caf\xE9 \x80 \x93quoted\x94");
  EXPECT_EQ(ui::readHelpText(path("ansi.txt")).plain,
            QStringLiteral("Caf\u00e9 \u20ac \u201cquoted\u201d"));
}

TEST_F(HelpFiles, RtfIsReadAsRichText) {
  writeFile(path("help.txt"), "{\\rtf1\\ansi {\\b Colour codes}\\par text}");
  const HelpText text = ui::readHelpText(path("help.txt"));
  EXPECT_EQ(text.kind, HelpText::Kind::Rich);
  EXPECT_EQ(text.rich.plainText(), QStringLiteral("Colour codes\ntext"));
}

TEST_F(HelpFiles, MissingUnreadableAndOversizedFilesGiveANotice) {
  const HelpText missing = ui::readHelpText(path("none.txt"));
  EXPECT_EQ(missing.kind, HelpText::Kind::Notice);
  EXPECT_TRUE(missing.plain.contains(QStringLiteral("\"help.txt\" was not found")));
  EXPECT_EQ(ui::readHelpText(QString()).kind, HelpText::Kind::Notice);

  QDir().mkpath(path("folder.txt"));
  const HelpText folder = ui::readHelpText(path("folder.txt"));
  EXPECT_EQ(folder.kind, HelpText::Kind::Notice);
  EXPECT_TRUE(folder.plain.contains(QStringLiteral("could not be read")))
      << folder.plain.toStdString();

  writeFile(path("big.txt"), QByteArray(ui::kMaxHelpFileBytes + 1, 'x'));
  const HelpText big = ui::readHelpText(path("big.txt"));
  EXPECT_EQ(big.kind, HelpText::Kind::Notice);
  EXPECT_TRUE(big.plain.contains(QStringLiteral("too large")));
}

// The help that ships with the program is well-formed RTF that the reader
// takes in whole: no control words or braces leak into the text.
TEST(ShippedHelp, ReadsAsRichTextWithoutLeftovers) {
  const HelpText help = ui::readHelpText(QStringLiteral(TINTRA_SOURCE_DIR "/data/help.txt"));
  ASSERT_EQ(help.kind, HelpText::Kind::Rich);
  const QString text = help.rich.plainText();
  EXPECT_TRUE(text.startsWith(QStringLiteral("Veldmark Name Colorizer\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("Make name.cfg")));
  EXPECT_TRUE(text.contains(QStringLiteral("Color Letters")));
  EXPECT_FALSE(text.contains(u'\\'));
  EXPECT_FALSE(text.contains(u'{'));
  EXPECT_FALSE(text.contains(u'}'));
  EXPECT_FALSE(text.contains(QStringLiteral("Colorizer help")))
      << "the document title stays hidden";
}

}  // namespace

// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/helpdocument.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

using ui::HelpText;

TEST(ShowHelpText, PlainTextTakesTheViewerFontAndRichTextItsOwn) {
  QFont viewerFont(QStringLiteral("DejaVu Sans Mono"));
  viewerFont.setPointSizeF(8.25);
  QTextDocument document;
  ui::showHelpText(document, {HelpText::Kind::Plain, QStringLiteral("one\ntwo"), {}}, viewerFont);
  EXPECT_EQ(document.toPlainText(), QStringLiteral("one\ntwo"));
  EXPECT_EQ(document.defaultFont().pointSizeF(), 8.25);

  const HelpText rich{
      HelpText::Kind::Rich,
      {},
      rtf::readRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                   "\\qc\\f0\\fs32\\b\\cf1 Title\\par\\pard\\b0\\i body}")};
  ui::showHelpText(document, rich, viewerFont);
  EXPECT_EQ(document.toPlainText(), QStringLiteral("Title\nbody"));
  const QTextBlock title = document.firstBlock();
  EXPECT_EQ(title.blockFormat().alignment(), Qt::AlignHCenter);
  const QTextCharFormat titleFormat = title.begin().fragment().charFormat();
  EXPECT_EQ(titleFormat.fontWeight(), QFont::Bold);
  EXPECT_EQ(titleFormat.fontPointSize(), 16.0);
  EXPECT_EQ(titleFormat.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
  EXPECT_EQ(titleFormat.foreground().color(), QColor(255, 0, 0));
  const QTextCharFormat bodyFormat = title.next().begin().fragment().charFormat();
  EXPECT_TRUE(bodyFormat.fontItalic());
  EXPECT_NE(bodyFormat.fontWeight(), QFont::Bold);
}

}  // namespace

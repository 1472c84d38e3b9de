// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The RTF reader on the kinds of file that common word processors save,
// written here by hand in their forms, and on damaged input.
#include "rtf/rtfreader.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

namespace {

using rtf::readRtf;
using rtf::RtfAlignment;
using rtf::RtfCharFormat;
using rtf::RtfDocument;
using rtf::RtfRun;

QString textOf(const char* rtf) {
  return readRtf(rtf).plainText();
}

RtfCharFormat format(bool bold, bool italic, bool underline, int halfPoints, const char* family,
                     std::optional<QRgb> color = std::nullopt) {
  return RtfCharFormat{bold, italic, underline, halfPoints, QString::fromLatin1(family), color};
}

TEST(RtfReader, WordPadDocumentKeepsFormattingColoursAndSpecialCharacters) {
  const RtfDocument document = readRtf(
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 "
      "Calibri;}{\\f1\\fswiss\\fprq2\\fcharset0 Verdana;}}\r\n"
      "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green77\\blue187;}\r\n"
      "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
      "\\pard\\sa200\\sl276\\slmult1\\qc\\b\\f1\\fs28 Tintra Help\\b0\\par\r\n"
      "\\pard\\sa200\\sl276\\slmult1\\cf1\\f0\\fs22 Red\\cf0  text with \\i italic\\i0  and "
      "\\ul underline\\ulnone .\\par\r\n"
      "Caf\\'e9 costs 5\\'80 or \\u8364? \\'93quoted\\'94\\par\r\n}\r\n\0");

  ASSERT_EQ(document.paragraphs.size(), 3);
  EXPECT_EQ(document.paragraphs.at(0).alignment, RtfAlignment::Center);
  EXPECT_EQ(document.paragraphs.at(0).runs,
            QList<RtfRun>{RtfRun({"Tintra Help", format(true, false, false, 28, "Verdana")})});

  const RtfCharFormat plain = format(false, false, false, 22, "Calibri");
  RtfCharFormat red = plain;
  red.color = qRgb(255, 0, 0);
  RtfCharFormat italic = plain;
  italic.italic = true;
  RtfCharFormat underlined = plain;
  underlined.underline = true;
  EXPECT_EQ(document.paragraphs.at(1).alignment, RtfAlignment::Left);
  EXPECT_EQ(document.paragraphs.at(1).runs, (QList<RtfRun>{{"Red", red},
                                                           {" text with ", plain},
                                                           {"italic", italic},
                                                           {" and ", plain},
                                                           {"underline", underlined},
                                                           {".", plain}}));
  EXPECT_EQ(document.paragraphs.at(2).runs.size(), 1);
  EXPECT_EQ(document.paragraphs.at(2).runs.first().text,
            QStringLiteral("Caf\u00e9 costs 5\u20ac or \u20ac \u201cquoted\u201d"));
}

TEST(RtfReader, WordDocumentDropsTablesInformationAndFieldInstructions) {
  const RtfDocument document = readRtf(
      "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff0\\deff0\\stshfdbch0\\deflang1033"
      "{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times "
      "New Roman;}{\\f37\\fbidi \\fswiss\\fcharset0\\fprq2{\\*\\panose 020b0604030504040204}Tahoma"
      "{\\*\\falt Arial};}}\n"
      "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;}\n"
      "{\\stylesheet{\\ql \\li0\\ri0\\widctlpar\\rtlch\\fcs1 \\af0\\afs24 \\ltrch\\fcs0 \\fs24"
      "\\lang1033 \\snext0 \\sqformat \\spriority0 Normal;}{\\*\\cs10 \\additive Default Font;}}\n"
      "{\\info{\\title Tintra}{\\author Nobody}{\\creatim\\yr2002\\mo5\\dy1\\hr10\\min2}}\n"
      "{\\*\\xmlnstbl {\\xmlns1 http://schemas.microsoft.com/office/word/2003/wordml}}\n"
      "\\paperw12240\\paperh15840\\margl1800\\margr1800\\sectd \n"
      "\\pard\\plain \\ltrpar\\ql \\li0\\ri0\\widctlpar\\rtlch\\fcs1 \\af0\\afs24 \\ltrch\\fcs0 "
      "\\fs24\\lang1033 {\\rtlch\\fcs1 \\af37 \\ltrch\\fcs0 \\b\\f37\\cf2\\insrsid1 Colour "
      "codes}{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid1 \\par A caret and a digit.}"
      "{\\field{\\*\\fldinst {\\insrsid1  HYPERLINK \"http://www.tintra.example/\" }}"
      "{\\fldrslt {\\ul\\cf2\\insrsid1 the site}}}\\par\n"
      "{\\*\\themedata 01050000020000001800000d4d6963726f736f667420}\n"
      "{\\*\\datastore 0105000002000000}}");

  EXPECT_EQ(document.plainText(), QStringLiteral("Colour codes\nA caret and a digit.the site"));
  ASSERT_EQ(document.paragraphs.size(), 2);
  EXPECT_EQ(document.paragraphs.at(0).runs.first().format,
            format(true, false, false, 24, "Tahoma", qRgb(0, 0, 255)));
  const QList<RtfRun>& second = document.paragraphs.at(1).runs;
  ASSERT_EQ(second.size(), 2);
  EXPECT_EQ(second.at(0).format, format(false, false, false, 24, "Times New Roman"));
  EXPECT_EQ(second.at(1).format,
            format(false, false, true, 24, "Times New Roman", qRgb(0, 0, 255)));
}

TEST(RtfReader, TextEditDocumentWithFontTableWithoutGroupsAndEscapedLineEnds) {
  const RtfDocument document = readRtf(
      "{\\rtf1\\ansi\\ansicpg1252\\cocoartf2639\n"
      "\\cocoatextscaling0\\cocoaplatform0{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;"
      "\\f1\\fnil\\fcharset0 Menlo-Regular;}\n"
      "{\\colortbl;\\red255\\green255\\blue255;\\red230\\green60\\blue40;}\n"
      "{\\*\\expandedcolortbl;;\\cssrgb\\c92941\\c32549\\c20392;}\n"
      "\\paperw11900\\paperh16840\\vieww11520\\viewh8400\\viewkind0\n"
      "\\pard\\tx566\\tx1133\\pardirnatural\\partightenfactor0\n\n"
      "\\f0\\fs24 \\cf0 Press \\f1 F1\\f0  to type \\cf2 ^1\\cf0 .\\\n"
      "Second line\\\n}");

  ASSERT_EQ(document.paragraphs.size(), 2);
  const RtfCharFormat helvetica = format(false, false, false, 24, "Helvetica");
  RtfCharFormat coloured = helvetica;
  coloured.color = qRgb(230, 60, 40);
  EXPECT_EQ(document.paragraphs.at(0).runs,
            (QList<RtfRun>{{"Press ", helvetica},
                           {"F1", format(false, false, false, 24, "Menlo-Regular")},
                           {" to type ", helvetica},
                           {"^1", coloured},
                           {".", helvetica}}));
  EXPECT_EQ(document.paragraphs.at(1).runs, QList<RtfRun>{RtfRun({"Second line", helvetica})});
}

TEST(RtfReader, UnicodeEscapesSkipTheirFallbackAsToldByUc) {
  EXPECT_EQ(textOf("{\\rtf1 \\u8364?x}"), QStringLiteral("\u20acx"));
  EXPECT_EQ(textOf("{\\rtf1 \\uc2\\u1055\\'3f\\'3f x}"), QStringLiteral("\u041f x"));
  EXPECT_EQ(textOf("{\\rtf1 \\uc0\\u233 e}"), QStringLiteral("\u00e9e"));
  EXPECT_EQ(textOf("{\\rtf1 {\\uc3 \\u233 abc}\\u233 ab}"), QStringLiteral("\u00e9\u00e9b"));
  // A brace ends the fallback early.
  EXPECT_EQ(textOf("{\\rtf1 {\\uc4 \\u233 a}bc}"), QStringLiteral("\u00e9bc"));
  // Negative values count from 65536; a pair of halves makes one character.
  EXPECT_EQ(textOf("{\\rtf1 \\u-10179?\\u-8704?}"), QStringLiteral("\U0001F600"));
  EXPECT_EQ(textOf("{\\rtf1 \\u55357?x}"), QStringLiteral("\ufffdx"));
}

TEST(RtfReader, EscapedCharactersAndCharacterWords) {
  EXPECT_EQ(textOf("{\\rtf1 a\\{b\\}c\\\\d}"), QStringLiteral("a{b}c\\d"));
  EXPECT_EQ(textOf("{\\rtf1 a\\tab b\\line c\\~d\\emdash e\\endash f\\bullet}"),
            QStringLiteral("a\tb\u2028c\u00a0d\u2014e\u2013f\u2022"));
  EXPECT_EQ(textOf("{\\rtf1 \\lquote a\\rquote  \\ldblquote b\\rdblquote}"),
            QStringLiteral("\u2018a\u2019 \u201cb\u201d"));
  EXPECT_EQ(textOf("{\\rtf1 co\\-op\\_x}"), QStringLiteral("coop\u2011x"));
}

TEST(RtfReader, GroupsRestoreFormattingAndPlainResetsIt) {
  const RtfDocument document = readRtf("{\\rtf1 {\\b\\i\\fs40 a}b\\ul\\b c\\plain d}");
  ASSERT_EQ(document.paragraphs.size(), 1);
  EXPECT_EQ(document.paragraphs.at(0).runs,
            (QList<RtfRun>{{"a", format(true, true, false, 40, "")},
                           {"b", format(false, false, false, 24, "")},
                           {"c", format(true, false, true, 24, "")},
                           {"d", format(false, false, false, 24, "")}}));
}

TEST(RtfReader, OutOfRangeSizesAndColoursFallBackToDefaults) {
  const RtfDocument document =
      readRtf("{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\fs0 a\\fs99999\\cf7 b\\cf1 c\\cf-1 d}");
  const QList<RtfRun>& runs = document.paragraphs.at(0).runs;
  ASSERT_EQ(runs.size(), 4);
  EXPECT_EQ(runs.at(0).format.halfPoints, 24);
  EXPECT_EQ(runs.at(1).format.halfPoints, 800);
  EXPECT_EQ(runs.at(1).format.color, std::nullopt);
  EXPECT_EQ(runs.at(2).format.color, qRgb(1, 2, 3));
  EXPECT_EQ(runs.at(3).format.color, std::nullopt);
}

TEST(RtfReader, ParagraphsTakeTheAlignmentInForceAtTheirEnd) {
  const RtfDocument document =
      readRtf("{\\rtf1\\pard\\qc Title\\par\\pard Body\\par\\qr\\par\\pard\\qj last}");
  ASSERT_EQ(document.paragraphs.size(), 4);
  EXPECT_EQ(document.paragraphs.at(0).alignment, RtfAlignment::Center);
  EXPECT_EQ(document.paragraphs.at(1).alignment, RtfAlignment::Left);
  EXPECT_EQ(document.paragraphs.at(2).alignment, RtfAlignment::Right);
  EXPECT_TRUE(document.paragraphs.at(2).runs.isEmpty()) << "an empty line is kept";
  EXPECT_EQ(document.paragraphs.at(3).alignment, RtfAlignment::Justify);
}

TEST(RtfReader, CodePageBytesAreDecodedTogether) {
  EXPECT_EQ(textOf("{\\rtf1\\ansi \\'80\\'85\\'99 caf\xe9}"),
            QStringLiteral("\u20ac\u2026\u2122 caf\u00e9"));
  if (QStringDecoder("windows-1251").isValid()) {
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}"),
              QStringLiteral("\u041f\u0440\u0438"));
  }
  if (QStringDecoder("Shift_JIS").isValid()) {
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg932 \\'93\\'fa\\'96\\'7b}"),
              QStringLiteral("\u65e5\u672c"));
  }
}

TEST(RtfReader, UnbalancedGroupsKeepTheTextThatWasRead) {
  EXPECT_EQ(textOf("{\\rtf1 {\\b bold text"), QStringLiteral("bold text"));
  EXPECT_EQ(textOf("{\\rtf1 a}}}} b}"), QStringLiteral("a b"));
  EXPECT_EQ(textOf("}}{\\rtf1 x"), QStringLiteral("x"));
  EXPECT_EQ(textOf("{\\rtf1 a{\\*\\unknown {b \\} {c}} d}e}"), QStringLiteral("ae"));
  EXPECT_EQ(textOf("{\\rtf1 a{\\*\\unknown never closed"), QStringLiteral("a"));
}

TEST(RtfReader, TruncatedEscapesAndOversizedNumbersEndQuietly) {
  for (const char* damaged :
       {"{\\rtf1 x\\", "{\\rtf1 x\\'", "{\\rtf1 x\\'4", "{\\rtf1 x\\'zz", "{\\rtf1 x\\u",
        "{\\rtf1 x\\u-", "{\\rtf1 x\\uc99999999999 \\u65", "{\\rtf1 x\\fs99999999999999999999 y",
        "{\\rtf1 x\\bin99999999", "{\\rtf1 x\\bin-5 y",
        "{\\rtf1 x\\averyveryveryveryveryverylongwordindeedmorethanthirtytwo y"}) {
    const QString text = textOf(damaged);
    EXPECT_TRUE(text.startsWith(u'x')) << damaged << " gave " << text.toStdString();
  }
}

TEST(RtfReader, BinaryDataIsSteppedOver) {
  EXPECT_EQ(textOf("{\\rtf1 a\\bin5 }}}{{b}"), QStringLiteral("ab"));
  EXPECT_EQ(textOf("{\\rtf1 a{\\*\\blob\\bin3 }}}c}d}"), QStringLiteral("ad"));
}

TEST(RtfReader, DeepNestingIsFollowedWithoutGrowingState) {
  const int depth = 1'000'000;
  QByteArray rtf = "{\\rtf1 ";
  rtf += QByteArray(depth, '{') + "\\b deep" + QByteArray(depth, '}') + " after}";
  const RtfDocument document = readRtf(rtf);
  EXPECT_EQ(document.plainText(), QStringLiteral("deep after"));
}

TEST(RtfReader, LargeDocumentIsReadWhole) {
  QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}";
  const QByteArray line = "\\pard\\b Title\\b0  some \\i text\\i0  caf\\'e9 \\u8364?\\par\n";
  const int lines = 100'000;
  for (int index = 0; index < lines; ++index) {
    rtf += line;
  }
  rtf += "}";
  const RtfDocument document = readRtf(rtf);
  ASSERT_EQ(document.paragraphs.size(), lines);
  EXPECT_EQ(document.paragraphs.last().runs.size(), 4);
}

// Random damage to real documents: every result must be well-formed text.
TEST(RtfReader, RandomlyDamagedDocumentsGiveWellFormedText) {
  const QByteArray sample =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Calibri;}}{\\colortbl ;\\red255"
      "\\green0\\blue0;}{\\*\\generator x}\\uc1\\pard\\qc\\b\\f0\\fs28 Ti\\'e9\\b0\\par{\\field"
      "{\\*\\fldinst HYPERLINK}{\\fldrslt link}}\\cf1\\u8364?\\u-10179?\\u-8704?\\bin2 {}\\par}";
  const QByteArray alphabet = "{}\\'*;? -0123456789abcfu\xe9";
  quint32 seed = 12345;
  auto next = [&seed](quint32 bound) {
    seed = seed * 1664525U + 1013904223U;
    return (seed >> 8) % bound;
  };
  for (int round = 0; round < 3000; ++round) {
    QByteArray damaged = sample;
    const quint32 edits = 1 + next(6);
    for (quint32 edit = 0; edit < edits; ++edit) {
      const auto at = static_cast<qsizetype>(next(static_cast<quint32>(damaged.size())));
      const char byte = alphabet.at(static_cast<qsizetype>(next(alphabet.size())));
      switch (next(3)) {
        case 0:
          damaged.remove(at, 1 + next(4));
          break;
        case 1:
          damaged.insert(at, byte);
          break;
        default:
          damaged.truncate(at);
          break;
      }
      if (damaged.isEmpty()) {
        damaged = "{";
      }
    }
    const QString text = readRtf(damaged).plainText();
    for (qsizetype index = 0; index < text.size(); ++index) {
      const QChar c = text.at(index);
      if (c.isHighSurrogate()) {
        ASSERT_TRUE(index + 1 < text.size() && text.at(index + 1).isLowSurrogate())
            << damaged.data();
        ++index;
      } else {
        ASSERT_FALSE(c.isLowSurrogate()) << damaged.data();
      }
    }
  }
}

TEST(RtfReader, RecognisesRtfByItsOpening) {
  EXPECT_TRUE(rtf::looksLikeRtf("{\\rtf1\\ansi x}"));
  EXPECT_TRUE(rtf::looksLikeRtf("\xEF\xBB\xBF  \r\n{\\rtf1 x}"));
  EXPECT_FALSE(rtf::looksLikeRtf("Plain help text {\\rtf1 later}"));
  EXPECT_FALSE(rtf::looksLikeRtf(""));
  EXPECT_FALSE(rtf::looksLikeRtf("{\\rt"));
}

}  // namespace

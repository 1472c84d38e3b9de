// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/helpdocument.h"

#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/fonts.h"

namespace ui {
namespace {

Qt::Alignment qtAlignment(rtf::RtfAlignment alignment) {
  switch (alignment) {
    case rtf::RtfAlignment::Center:
      return Qt::AlignHCenter;
    case rtf::RtfAlignment::Right:
      return Qt::AlignRight;
    case rtf::RtfAlignment::Justify:
      return Qt::AlignJustify;
    case rtf::RtfAlignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

// Help files name Windows fonts; where those are missing, the program's own
// substitutes stand in, as they do for the windows.
QString installedFamily(const QString& family) {
  if (family.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0) {
    return courierNewFont(8.25).family();
  }
  if (family.compare(QStringLiteral("Verdana"), Qt::CaseInsensitive) == 0) {
    return verdanaFont(8.25).family();
  }
  if (family.compare(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive) == 0) {
    return msSansSerifFont(8.25).family();
  }
  return family;
}

// QTextDocument files formats under a hash that leaves the font family out,
// so each further family makes every insertion compare against all formats
// that differ by family alone. A help file names a handful of fonts; text in
// families beyond the first kMaxFontFamilies takes the viewer's font.
constexpr qsizetype kMaxFontFamilies = 64;

class FamilyLimit {
 public:
  bool admits(const QString& family) {
    if (families_.contains(family)) {
      return true;
    }
    if (families_.size() >= kMaxFontFamilies) {
      return false;
    }
    families_.insert(family);
    return true;
  }

 private:
  QSet<QString> families_;
};

QTextCharFormat qtFormat(const rtf::RtfCharFormat& format, FamilyLimit& familyLimit) {
  QTextCharFormat result;
  result.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
  result.setFontItalic(format.italic);
  result.setFontUnderline(format.underline);
  result.setFontPointSize(format.halfPoints / 2.0);
  if (!format.fontFamily.isEmpty() && familyLimit.admits(format.fontFamily)) {
    result.setFontFamilies({installedFamily(format.fontFamily)});
  }
  if (format.color) {
    result.setForeground(QColor::fromRgb(*format.color));
  }
  return result;
}

// One edit block for the whole document: outside one, every insertion lays
// out its paragraph again, which makes a long paragraph of many runs take
// time that grows with the square of its length.
void insertRich(QTextDocument& document, const rtf::RtfDocument& rich) {
  QTextCursor cursor(&document);
  cursor.beginEditBlock();
  FamilyLimit familyLimit;
  bool first = true;
  for (const rtf::RtfParagraph& paragraph : rich.paragraphs) {
    QTextBlockFormat block;
    block.setAlignment(qtAlignment(paragraph.alignment));
    if (first) {
      cursor.setBlockFormat(block);
      first = false;
    } else {
      cursor.insertBlock(block);
    }
    for (const rtf::RtfRun& run : paragraph.runs) {
      cursor.insertText(run.text, qtFormat(run.format, familyLimit));
    }
  }
  cursor.endEditBlock();
}

}  // namespace

void showHelpText(QTextDocument& document, const HelpText& text, const QFont& viewerFont) {
  document.clear();
  document.setDefaultFont(viewerFont);
  if (text.kind == HelpText::Kind::Rich) {
    insertRich(document, text.rich);
  } else {
    document.setPlainText(text.plain);
  }
}

}  // namespace ui

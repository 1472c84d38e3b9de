#include "ui/helpdocument.h"

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

QTextCharFormat qtFormat(const rtf::RtfCharFormat& format) {
  QTextCharFormat result;
  result.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
  result.setFontItalic(format.italic);
  result.setFontUnderline(format.underline);
  result.setFontPointSize(format.halfPoints / 2.0);
  if (!format.fontFamily.isEmpty()) {
    result.setFontFamilies({installedFamily(format.fontFamily)});
  }
  if (format.color) {
    result.setForeground(QColor::fromRgb(*format.color));
  }
  return result;
}

void insertRich(QTextDocument& document, const rtf::RtfDocument& rich) {
  QTextCursor cursor(&document);
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
      cursor.insertText(run.text, qtFormat(run.format));
    }
  }
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

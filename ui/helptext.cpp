#include "ui/helptext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/fonts.h"
#include "ui/rtfcodepage.h"

namespace ui {
namespace {

HelpText notice(const QString& text) {
  return HelpText{HelpText::Kind::Notice, text, {}};
}

QString decodePlainText(QByteArray bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) {
    bytes.remove(0, 3);
  }
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8.decode(bytes);
  if (utf8.hasError()) {
    text = RtfCodePage().decode(bytes);  // Windows-1252
  }
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

Qt::Alignment qtAlignment(RtfAlignment alignment) {
  switch (alignment) {
    case RtfAlignment::Center:
      return Qt::AlignHCenter;
    case RtfAlignment::Right:
      return Qt::AlignRight;
    case RtfAlignment::Justify:
      return Qt::AlignJustify;
    case RtfAlignment::Left:
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

QTextCharFormat qtFormat(const RtfCharFormat& format) {
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

void insertRich(QTextDocument& document, const RtfDocument& rich) {
  QTextCursor cursor(&document);
  bool first = true;
  for (const RtfParagraph& paragraph : rich.paragraphs) {
    QTextBlockFormat block;
    block.setAlignment(qtAlignment(paragraph.alignment));
    if (first) {
      cursor.setBlockFormat(block);
      first = false;
    } else {
      cursor.insertBlock(block);
    }
    for (const RtfRun& run : paragraph.runs) {
      cursor.insertText(run.text, qtFormat(run.format));
    }
  }
}

}  // namespace

QString findDataFile(const QString& name, const QString& currentDir,
                     const QString& applicationDir) {
  const QFileInfo local(QDir(currentDir), name);
  if (local.isFile()) {
    return local.absoluteFilePath();
  }
  const QFileInfo installed(QDir(applicationDir + QStringLiteral("/../share/tintra")), name);
  if (installed.isFile()) {
    return QDir::cleanPath(installed.absoluteFilePath());
  }
  return {};
}

QString findDataFile(const QString& name) {
  return findDataFile(name, QDir::currentPath(), QCoreApplication::applicationDirPath());
}

HelpText readHelpText(const QString& path) {
  if (path.isEmpty() || !QFileInfo::exists(path)) {
    return notice(
        QStringLiteral("The help file \"help.txt\" was not found in the program's "
                       "folder, so there is no help to show."));
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return notice(
        QStringLiteral("The help file \"help.txt\" could not be read: %1").arg(file.errorString()));
  }
  if (file.size() > kMaxHelpFileBytes) {
    return notice(QStringLiteral("The help file \"help.txt\" is too large to show (over %1 MB).")
                      .arg(kMaxHelpFileBytes / (1024 * 1024)));
  }
  const QByteArray bytes = file.read(kMaxHelpFileBytes + 1);
  if (file.error() != QFileDevice::NoError || bytes.size() > kMaxHelpFileBytes) {
    return notice(
        QStringLiteral("The help file \"help.txt\" could not be read: %1").arg(file.errorString()));
  }
  if (looksLikeRtf(bytes)) {
    return HelpText{HelpText::Kind::Rich, {}, readRtf(bytes)};
  }
  return HelpText{HelpText::Kind::Plain, decodePlainText(bytes), {}};
}

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

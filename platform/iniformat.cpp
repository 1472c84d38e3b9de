// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/iniformat.h"

#include <QHash>
#include <QIODevice>
#include <QStringDecoder>
#include <QStringList>
#include <QStringTokenizer>
#include <algorithm>

#include "core/windows1252.h"

namespace platform {
namespace {

// A UTF-16 half without its partner: kept through a "\u" escape, since UTF-8
// cannot hold it.
bool isLoneSurrogate(const QString& text, qsizetype index) {
  const QChar character = text.at(index);
  if (character.isHighSurrogate()) {
    return index + 1 >= text.size() || !text.at(index + 1).isLowSurrogate();
  }
  return character.isLowSurrogate() && (index == 0 || !text.at(index - 1).isHighSurrogate());
}

bool needsEscape(const QString& text, qsizetype index) {
  return text.at(index).category() == QChar::Other_Control || isLoneSurrogate(text, index);
}

bool needsQuotes(const QString& value) {
  if (value.isEmpty()) {
    return false;
  }
  if (value.front().isSpace() || value.back().isSpace() || value.front() == u'"') {
    return true;
  }
  for (qsizetype index = 0; index < value.size(); ++index) {
    if (needsEscape(value, index)) {
      return true;
    }
  }
  return false;
}

QString quoted(const QString& value) {
  QString out = QStringLiteral("\"");
  for (qsizetype index = 0; index < value.size(); ++index) {
    const QChar character = value.at(index);
    switch (character.unicode()) {
      case u'\\':
        out += QStringLiteral("\\\\");
        break;
      case u'"':
        out += QStringLiteral("\\\"");
        break;
      case u'\n':
        out += QStringLiteral("\\n");
        break;
      case u'\r':
        out += QStringLiteral("\\r");
        break;
      case u'\t':
        out += QStringLiteral("\\t");
        break;
      default:
        if (needsEscape(value, index)) {
          out += QStringLiteral("\\u%1").arg(character.unicode(), 4, 16, QLatin1Char('0'));
        } else {
          out += character;
        }
    }
  }
  out += u'"';
  return out;
}

// Reads a quoted value; text after the closing quote is ignored. A value whose
// closing quote is missing is taken up to the end of the line.
QString unquoted(QStringView text) {
  QString out;
  for (qsizetype index = 1; index < text.size(); ++index) {
    const QChar character = text[index];
    if (character == u'"') {
      break;
    }
    if (character != u'\\' || index + 1 >= text.size()) {
      out += character;
      continue;
    }
    const QChar escaped = text[++index];
    switch (escaped.unicode()) {
      case u'n':
        out += u'\n';
        break;
      case u'r':
        out += u'\r';
        break;
      case u't':
        out += u'\t';
        break;
      case u'u': {
        bool ok = false;
        const auto code = text.mid(index + 1, 4).toUShort(&ok, 16);
        if (ok && index + 4 < text.size()) {
          out += QChar(code);
          index += 4;
        } else {
          out += escaped;
        }
        break;
      }
      default:
        out += escaped;
    }
  }
  return out;
}

QString valueText(QStringView rawValue) {
  const QStringView value = rawValue.trimmed();
  if (value.startsWith(u'"')) {
    return unquoted(value);
  }
  return value.toString();
}

constexpr QChar kByteOrderMark(0xFEFF);

// The file's text as a text editor saved it: UTF-16 or UTF-8 after a
// byte-order mark, else UTF-8 when the bytes are valid UTF-8, else
// Windows-1252 (Notepad's "ANSI"). Half a surrogate pair reads as U+FFFD,
// as an invalid UTF-8 sequence does, so that every key can be written back.
QString decodedText(const QByteArray& bytes) {
  QString text;
  if (const auto marked = QStringConverter::encodingForData(bytes)) {
    text = QStringDecoder(*marked, QStringConverter::Flag::Stateless).decode(bytes);
  } else {
    // Stateless: a sequence cut off at the end of the file is an error too.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    text = utf8.decode(bytes);
    if (utf8.hasError()) {
      return core::fromWindows1252(bytes);
    }
  }
  if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSurrogate(); })) {
    return text;
  }
  for (qsizetype index = 0; index < text.size(); ++index) {
    const bool pair = text.at(index).isHighSurrogate() && index + 1 < text.size() &&
                      text.at(index + 1).isLowSurrogate();
    if (pair) {
      ++index;
    } else if (text.at(index).isSurrogate()) {
      text[index] = QChar::ReplacementCharacter;
    }
  }
  return text;
}

// What the reader takes as a key: the text before the first '=', trimmed,
// on a line that is no comment and no section. A section name is the text
// between '[' and the first ']', trimmed.
bool readsBackAsKey(QStringView key) {
  return !key.isEmpty() && key.trimmed().size() == key.size() && !key.contains(u'=') &&
         !key.contains(u'\n') && !key.startsWith(u';') && !key.startsWith(u'#') &&
         !key.startsWith(u'[');
}

struct Placement {
  QString section;  // empty: before the first section
  QString key;
};

// Where an entry "section/key" is written so that it reads back the same.
// Usually the section is the part before the first '/'. A hand-edited file
// may hold keys that split there would not read back ("a/ b" before any
// section, "[a/ b]"): such a key goes under another '/' or, whole, before
// the first section, just as it was read.
Placement placementOf(const QString& fullKey) {
  // Each '/' is tried in constant time, so that a long key costs no more
  // than reading it: a section ends before the first ']' or line end and a
  // key starts after the last '=' or line end.
  const qsizetype size = fullKey.size();
  const qsizetype sectionEnd = std::min(fullKey.indexOf(u']') < 0 ? size : fullKey.indexOf(u']'),
                                        fullKey.indexOf(u'\n') < 0 ? size : fullKey.indexOf(u'\n'));
  const qsizetype keyStart = std::max(fullKey.lastIndexOf(u'='), fullKey.lastIndexOf(u'\n'));
  const bool endsTrimmed = size > 0 && !fullKey.front().isSpace() && !fullKey.back().isSpace();
  for (qsizetype slash = fullKey.indexOf(u'/'); endsTrimmed && slash >= 0 && slash < sectionEnd;
       slash = fullKey.indexOf(u'/', slash + 1)) {
    if (slash == 0 || slash + 1 >= size || slash < keyStart || fullKey.at(slash - 1).isSpace()) {
      continue;
    }
    const QChar keyFirst = fullKey.at(slash + 1);
    if (!keyFirst.isSpace() && keyFirst != u';' && keyFirst != u'#' && keyFirst != u'[') {
      return {fullKey.left(slash), fullKey.mid(slash + 1)};
    }
  }
  const qsizetype slash = fullKey.indexOf(u'/');
  if (slash < 0 || readsBackAsKey(fullKey)) {
    return {QString(), fullKey};
  }
  return {fullKey.left(slash), fullKey.mid(slash + 1)};  // no form reads back: as it is
}

}  // namespace

bool readPlainIni(QIODevice& device, QSettings::SettingsMap& map) {
  QString content = decodedText(device.readAll());
  // A byte-order mark the decoder left (one of a file that holds nothing else).
  if (content.startsWith(kByteOrderMark)) {
    content.remove(0, 1);
  }
  QString prefix;  // "section/", or nothing before the first section
  for (const QStringView rawLine : qTokenize(content, u'\n')) {
    const QStringView line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) {
      continue;
    }
    if (line.startsWith(u'[')) {
      const auto end = line.indexOf(u']');
      if (end > 0) {
        const QStringView section = line.mid(1, end - 1).trimmed();
        prefix = section.isEmpty() ? QString() : section.toString() + u'/';
      }
      continue;
    }
    const auto equals = line.indexOf(u'=');
    if (equals <= 0) {
      continue;
    }
    const QStringView key = line.left(equals).trimmed();
    if (key.isEmpty()) {
      continue;
    }
    QString fullKey;
    fullKey.reserve(prefix.size() + key.size());
    fullKey.append(prefix).append(key);
    // The writer writes the keys in order: a hint at the end makes each insert
    // one comparison, where a search down the tree took a dozen.
    map.insert(map.cend(), fullKey, valueText(line.mid(equals + 1)));
  }
  return true;
}

bool writePlainIni(QIODevice& device, const QSettings::SettingsMap& map) {
  // Keys without a section come first, where the reader takes them as they
  // are; then each section, in the order of its first key.
  QString out;
  QStringList sections;
  QHash<QString, QString> sectionLines;
  for (auto it = map.cbegin(); it != map.cend(); ++it) {
    const Placement place = placementOf(it.key());
    const QString value = it.value().toString();
    const QString line = place.key + u'=' + (needsQuotes(value) ? quoted(value) : value) + u'\n';
    if (place.section.isEmpty()) {
      out += line;
    } else {
      if (!sectionLines.contains(place.section)) {
        sections.append(place.section);
      }
      sectionLines[place.section] += line;
    }
  }
  for (const QString& section : sections) {
    out += (out.isEmpty() ? QString() : QStringLiteral("\n")) + u'[' + section +
           QStringLiteral("]\n") + sectionLines.value(section);
  }
  // The reader drops a byte-order mark at the start of the file.
  if (out.startsWith(kByteOrderMark)) {
    out.prepend(u'\n');
  }
  return device.write(out.toUtf8()) >= 0;
}

}  // namespace platform

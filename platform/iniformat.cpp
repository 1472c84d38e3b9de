#include "platform/iniformat.h"

#include <QIODevice>
#include <algorithm>

namespace platform {
namespace {

bool needsQuotes(const QString& value) {
  if (value.isEmpty()) {
    return false;
  }
  if (value.front().isSpace() || value.back().isSpace() || value.front() == u'"') {
    return true;
  }
  return std::any_of(value.cbegin(), value.cend(),
                     [](QChar character) { return character.category() == QChar::Other_Control; });
}

QString quoted(const QString& value) {
  QString out = QStringLiteral("\"");
  for (const QChar character : value) {
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
        if (character.category() == QChar::Other_Control) {
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

}  // namespace

bool readPlainIni(QIODevice& device, QSettings::SettingsMap& map) {
  QString content = QString::fromUtf8(device.readAll());
  // A file saved by a text editor may start with a byte-order mark.
  if (content.startsWith(QChar(0xFEFF))) {
    content.remove(0, 1);
  }
  QString section;
  for (const QStringView rawLine : QStringView(content).split(u'\n')) {
    const QStringView line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) {
      continue;
    }
    if (line.startsWith(u'[')) {
      const auto end = line.indexOf(u']');
      if (end > 0) {
        section = line.mid(1, end - 1).trimmed().toString();
      }
      continue;
    }
    const auto equals = line.indexOf(u'=');
    if (equals <= 0) {
      continue;
    }
    const QString key = line.left(equals).trimmed().toString();
    if (key.isEmpty()) {
      continue;
    }
    const QString fullKey = section.isEmpty() ? key : section + u'/' + key;
    map.insert(fullKey, valueText(line.mid(equals + 1)));
  }
  return true;
}

bool writePlainIni(QIODevice& device, const QSettings::SettingsMap& map) {
  QString out;
  QString currentSection;
  bool first = true;
  // Keys without a section come first: "/" sorts after none of the others,
  // so write them in a pass of their own.
  for (auto it = map.cbegin(); it != map.cend(); ++it) {
    if (!it.key().contains(u'/')) {
      const QString value = it.value().toString();
      out += it.key() + u'=' + (needsQuotes(value) ? quoted(value) : value) + u'\n';
      first = false;
    }
  }
  for (auto it = map.cbegin(); it != map.cend(); ++it) {
    const auto slash = it.key().indexOf(u'/');
    if (slash < 0) {
      continue;
    }
    const QString section = it.key().left(slash);
    if (first || section != currentSection) {
      out += (first ? QString() : QStringLiteral("\n")) + u'[' + section + QStringLiteral("]\n");
      currentSection = section;
      first = false;
    }
    const QString value = it.value().toString();
    out += it.key().mid(slash + 1) + u'=' + (needsQuotes(value) ? quoted(value) : value) + u'\n';
  }
  return device.write(out.toUtf8()) >= 0;
}

QSettings::Format plainIniFormat() {
  static const QSettings::Format format =
      QSettings::registerFormat(QStringLiteral("ini"), readPlainIni, writePlainIni);
  return format;
}

}  // namespace platform

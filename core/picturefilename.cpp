// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/picturefilename.h"

#include <QRegularExpression>

#include "core/codescan.h"

namespace core {
namespace {

bool unfitForFileName(QChar character) {
  return character.unicode() < 0x20 || character.unicode() == 0x7F ||
         QStringView(u"<>:\"/\\|?*").contains(character);
}

// Without its codes, with the characters a file name cannot hold replaced.
QString fileNameCharacters(const QString& name) {
  QString kept;
  kept.reserve(name.size());
  for (qsizetype index = 0; index < name.size(); ++index) {
    if (detail::isCodeAt(name.constData(), name.size(), index)) {
      ++index;
    } else {
      kept += unfitForFileName(name.at(index)) ? QChar(u'_') : name.at(index);
    }
  }
  return kept;
}

QString trimmedEnds(QString text) {
  qsizetype start = 0;
  while (start < text.size() && (text.at(start) == u' ' || text.at(start) == u'.')) {
    ++start;
  }
  qsizetype end = text.size();
  while (end > start && (text.at(end - 1) == u' ' || text.at(end - 1) == u'.')) {
    --end;
  }
  return text.mid(start, end - start);
}

}  // namespace

QString pictureFileName(const QString& name) {
  QString base = trimmedEnds(fileNameCharacters(name));
  if (base.size() > kPictureNameLength) {
    // Never half a surrogate pair.
    base.truncate(base.at(kPictureNameLength - 1).isHighSurrogate() ? kPictureNameLength - 1
                                                                    : kPictureNameLength);
    base = trimmedEnds(base);
  }
  if (base.isEmpty()) {
    base = QStringLiteral("name");
  }
  // Windows takes these for its devices also with anything after a dot.
  static const QRegularExpression device(
      QStringLiteral("^(CON|PRN|AUX|NUL|COM[0-9]|LPT[0-9])(?=\\.|$)"),
      QRegularExpression::CaseInsensitiveOption);
  if (const QRegularExpressionMatch match = device.match(base); match.hasMatch()) {
    base.insert(match.capturedEnd(), u'_');
  }
  return base + QStringLiteral(".png");
}

}  // namespace core

// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rtf/rtfreader.h"

#include <QStringList>

#include "rtf/rtfparser.h"

namespace rtf {

QString RtfDocument::plainText() const {
  QStringList lines;
  for (const RtfParagraph& paragraph : paragraphs) {
    QString line;
    for (const RtfRun& run : paragraph.runs) {
      line += run.text;
    }
    lines << line;
  }
  return lines.join(u'\n');
}

bool looksLikeRtf(QByteArrayView bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) {
    bytes = bytes.sliced(3);
  }
  return bytes.trimmed().startsWith("{\\rtf");
}

RtfDocument readRtf(QByteArrayView rtf) {
  return RtfParser(rtf).read();
}

}  // namespace rtf

// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/settingstable.h"

#include <QtGlobal>

namespace settings {

Entry slotEntry(int slot) {
  Q_ASSERT(slot >= 1 && slot <= kSlotCount);
  return {section::kSavedNames, QStringLiteral("Slot%1").arg(slot),
          QStringLiteral("Slot Empty...")};
}

QString trimSpaces(const QString& text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && text.at(begin) == u' ') {
    ++begin;
  }
  while (end > begin && text.at(end - 1) == u' ') {
    --end;
  }
  return text.mid(begin, end - begin);
}

}  // namespace settings

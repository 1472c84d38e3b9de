// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bytes of RTF text ("\'e9" escapes and raw 8-bit characters) are in the
// document's ANSI code page ("\ansicpg"). Windows-1252 is built in; other code
// pages are decoded where Qt can (ICU), else read as Windows-1252.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <optional>

namespace rtf {

class RtfCodePage {
 public:
  void select(int codePage);
  [[nodiscard]] QString decode(const QByteArray& bytes);

 private:
  int codePage_ = 1252;
  std::optional<QStringDecoder> decoder_;  // empty: Windows-1252
};

}  // namespace rtf

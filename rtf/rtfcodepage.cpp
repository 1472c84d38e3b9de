// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rtf/rtfcodepage.h"

#include <array>

namespace rtf {
namespace {

// Windows-1252 from 0x80 to 0x9F; the rest of the code page is Latin-1.
// Unassigned bytes keep their Latin-1 value, as Windows itself does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeCp1252(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    text.append(value >= 0x80 && value < 0xA0 ? QChar(kCp1252High.at(value - 0x80)) : QChar(value));
  }
  return text;
}

QString decoderName(int codePage) {
  switch (codePage) {
    case 65001:
      return QStringLiteral("UTF-8");
    case 10000:
      return QStringLiteral("macintosh");
    case 437:
      return QStringLiteral("IBM437");
    case 850:
      return QStringLiteral("IBM850");
    case 932:
      return QStringLiteral("Shift_JIS");
    case 936:
      return QStringLiteral("GBK");
    case 949:
      return QStringLiteral("EUC-KR");
    case 950:
      return QStringLiteral("Big5");
    default:
      return QStringLiteral("windows-%1").arg(codePage);
  }
}

}  // namespace

void RtfCodePage::select(int codePage) {
  if (codePage == codePage_) {
    return;
  }
  codePage_ = codePage;
  decoder_.reset();
  if (codePage == 1252 || codePage <= 0) {
    return;
  }
  QStringDecoder decoder(decoderName(codePage).toLatin1().constData(),
                         QStringDecoder::Flag::Stateless);
  if (decoder.isValid()) {
    decoder_.emplace(std::move(decoder));
  }
}

QString RtfCodePage::decode(const QByteArray& bytes) {
  if (decoder_) {
    return decoder_->decode(bytes);
  }
  return decodeCp1252(bytes);
}

}  // namespace rtf

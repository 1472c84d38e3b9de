// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rtf/rtfwords.h"

#include <algorithm>
#include <array>
#include <utility>

namespace rtf::rtfwords {
namespace {

template <std::size_t N>
bool contains(const std::array<QByteArrayView, N>& words, QByteArrayView word) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

constexpr std::array<QByteArrayView, 32> kSkippedDestinations = {
    "stylesheet",   "info",
    "pict",         "object",
    "header",       "headerl",
    "headerr",      "headerf",
    "footer",       "footerl",
    "footerr",      "footerf",
    "footnote",     "annotation",
    "xe",           "tc",
    "txe",          "rxe",
    "listtable",    "listoverridetable",
    "revtbl",       "rsidtbl",
    "filetbl",      "generator",
    "themedata",    "colorschememapping",
    "latentstyles", "datastore",
    "xmlnstbl",     "nonshppict",
    "fldinst",      "private"};

constexpr std::array<QByteArrayView, 17> kUnderlineWords = {
    "ul",         "uld",       "uldash",     "uldashd", "uldashdd", "uldb",
    "ulhwave",    "ulldash",   "ulth",       "ulthd",   "ulthdash", "ulthdashd",
    "ulthdashdd", "ulthldash", "ululdbwave", "ulw",     "ulwave"};

constexpr std::array<std::pair<QByteArrayView, char16_t>, 13> kSpecialCharacters = {{
    {"tab", u'\t'},
    {"cell", u'\t'},
    {"line", 0x2028},  // a line break inside the paragraph
    {"emdash", 0x2014},
    {"endash", 0x2013},
    {"emspace", 0x2003},
    {"enspace", 0x2002},
    {"qmspace", 0x2005},
    {"bullet", 0x2022},
    {"lquote", 0x2018},
    {"rquote", 0x2019},
    {"ldblquote", 0x201C},
    {"rdblquote", 0x201D},
}};

}  // namespace

bool isSkippedDestination(QByteArrayView word) {
  return contains(kSkippedDestinations, word);
}

bool isUnderlineWord(QByteArrayView word) {
  return contains(kUnderlineWords, word);
}

char16_t specialCharacter(QByteArrayView word) {
  const auto* found = std::find_if(kSpecialCharacters.begin(), kSpecialCharacters.end(),
                                   [word](const auto& entry) { return entry.first == word; });
  return found == kSpecialCharacters.end() ? char16_t{0} : found->second;
}

RtfAlignment alignmentOf(QByteArrayView word) {
  if (word == QByteArrayView("qc")) return RtfAlignment::Center;
  if (word == QByteArrayView("qr")) return RtfAlignment::Right;
  if (word == QByteArrayView("qj")) return RtfAlignment::Justify;
  return RtfAlignment::Left;
}

}  // namespace rtf::rtfwords

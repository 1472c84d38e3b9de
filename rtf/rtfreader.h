// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A small reader for the rich text (RTF) that word processors save: enough
// for a help file. It keeps paragraphs and their alignment, bold, italic,
// underline, font sizes and names, colours and special characters, and
// drops everything else (pictures, style sheets, document information,
// fields' instructions, any "\*" destination it does not know).
//
// It never fails: damaged input (unbalanced groups, truncated escapes,
// binary noise) gives whatever text could be read. Work is linear in the
// input, and group nesting deeper than kMaxRtfNesting is followed without
// keeping more state.
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QRgb>
#include <QString>
#include <optional>

namespace rtf {

constexpr int kMaxRtfNesting = 200;

struct RtfCharFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int halfPoints = 24;        // "\fs": the font size in half points
  QString fontFamily;         // empty: the viewer's own font
  std::optional<QRgb> color;  // empty: the viewer's text colour

  friend bool operator==(const RtfCharFormat&, const RtfCharFormat&) = default;
};

struct RtfRun {
  QString text;
  RtfCharFormat format;

  friend bool operator==(const RtfRun&, const RtfRun&) = default;
};

enum class RtfAlignment { Left, Center, Right, Justify };

struct RtfParagraph {
  RtfAlignment alignment = RtfAlignment::Left;
  QList<RtfRun> runs;

  friend bool operator==(const RtfParagraph&, const RtfParagraph&) = default;
};

struct RtfDocument {
  QList<RtfParagraph> paragraphs;

  // The text alone, paragraphs joined with '\n'.
  [[nodiscard]] QString plainText() const;
};

// True when the bytes look like RTF: "{\rtf" after optional white space.
[[nodiscard]] bool looksLikeRtf(QByteArrayView bytes);

[[nodiscard]] RtfDocument readRtf(QByteArrayView rtf);

}  // namespace rtf

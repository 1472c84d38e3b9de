// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include "rtf/rtfparser.h"
#include "rtf/rtfwords.h"

namespace rtf {

using rtfwords::alignmentOf;
using rtfwords::isSkippedDestination;
using rtfwords::isUnderlineWord;
using rtfwords::specialCharacter;

void RtfParser::controlWord(QByteArrayView word, std::optional<int> parameter) {
  if (word == "bin") {
    const qsizetype length = std::max(parameter.value_or(0), 0);
    pos_ += std::min(length, in_.size() - pos_);
    return;
  }
  if (skipping_) {
    return;
  }
  if (pendingSkip_ > 0 && word != "u") {
    --pendingSkip_;
    return;
  }
  flushBytes();
  formatChanged_ = true;
  if (isSkippedDestination(word)) {
    startSkipping();
  } else if (!breakWord(word) && !characterWord(word, parameter) && !formatWord(word, parameter)) {
    documentWord(word, parameter);
  }
}

bool RtfParser::breakWord(QByteArrayView word) {
  if (word == "par" || word == "sect" || word == "page" || word == "row") {
    endParagraph(true);
    return true;
  }
  return false;
}

bool RtfParser::characterWord(QByteArrayView word, std::optional<int> parameter) {
  if (word == "u" && parameter) {
    int value = *parameter;
    value = value < 0 ? value + 65536 : value;
    appendText(QString(QChar(static_cast<char16_t>(std::clamp(value, 0, 65535)))));
    pendingSkip_ = state().unicodeSkip;
    return true;
  }
  const char16_t special = specialCharacter(word);
  if (special != 0) {
    appendText(QString(QChar(special)));
    return true;
  }
  return false;
}

bool RtfParser::formatWord(QByteArrayView word, std::optional<int> parameter) {
  RtfCharFormat& format = state().format;
  const bool on = parameter.value_or(1) != 0;
  if (word == "b") {
    format.bold = on;
  } else if (word == "i") {
    format.italic = on;
  } else if (isUnderlineWord(word)) {
    format.underline = on;
  } else if (word == "ulnone") {
    format.underline = false;
  } else if (word == "fs") {
    format.halfPoints = parameter.value_or(0) > 0 ? std::clamp(*parameter, 2, 800) : 24;
  } else if (word == "cf") {
    const int index = parameter.value_or(0);
    format.color = index >= 0 && index < colors_.size() ? colors_.at(index) : std::nullopt;
  } else if (word == "plain") {
    format = RtfCharFormat{};
    state().fontIndex = -1;
  } else if (word == "f") {
    fontWord(parameter.value_or(-1));
  } else {
    return false;
  }
  return true;
}

void RtfParser::fontWord(int index) {
  if (state().destination == Destination::FontTable) {
    endTableEntry();
    tableFont_ = index;
  } else {
    state().fontIndex = index;
  }
}

void RtfParser::documentWord(QByteArrayView word, std::optional<int> parameter) {
  GroupState& current = state();
  const int value = parameter.value_or(0);
  if (word == "pard") {
    current.alignment = RtfAlignment::Left;
  } else if (word == "ql" || word == "qc" || word == "qr" || word == "qj") {
    current.alignment = alignmentOf(word);
  } else if (word == "uc") {
    current.unicodeSkip = std::clamp(value, 0, 8);
  } else if (word == "fonttbl") {
    current.destination = Destination::FontTable;
  } else if (word == "colortbl") {
    current.destination = Destination::ColorTable;
    colors_.clear();
  } else if (current.destination == Destination::ColorTable) {
    colorComponent(word, value);
  } else if (word == "deff") {
    defaultFont_ = value;
  } else if (word == "ansicpg") {
    codePage_.select(value);
  } else if (word == "mac" || word == "pc" || word == "pca" || word == "ansi") {
    codePage_.select(word == "mac" ? 10000 : word == "pc" ? 437 : word == "pca" ? 850 : 1252);
  }
}

void RtfParser::colorComponent(QByteArrayView word, int value) {
  const int component = std::clamp(value, 0, 255);
  if (word == "red") {
    red_ = component;
  } else if (word == "green") {
    green_ = component;
  } else if (word == "blue") {
    blue_ = component;
  } else {
    return;
  }
  colorGiven_ = true;
}

// A ';' ends an entry of the font or colour table.
void RtfParser::endTableEntry() {
  if (state().destination == Destination::ColorTable) {
    colors_.append(colorGiven_ ? std::optional<QRgb>(qRgb(red_, green_, blue_)) : std::nullopt);
    red_ = green_ = blue_ = 0;
    colorGiven_ = false;
    return;
  }
  const QString name = fontName_.trimmed();
  if (tableFont_ >= 0 && !name.isEmpty() && !fonts_.contains(tableFont_)) {
    fonts_.insert(tableFont_, name);
  }
  fontName_.clear();
}

}  // namespace rtf

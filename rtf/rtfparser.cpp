// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rtf/rtfparser.h"

#include <algorithm>

namespace rtf {
namespace {

bool isLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

int hexValue(char c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Replaces UTF-16 halves that "\uN" left without their partner.
void repairSurrogates(QString& text) {
  for (qsizetype index = 0; index < text.size(); ++index) {
    const QChar c = text.at(index);
    if (c.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate()) {
      ++index;
    } else if (c.isSurrogate()) {
      text[index] = QChar::ReplacementCharacter;
    }
  }
}

}  // namespace

RtfParser::RtfParser(QByteArrayView input) : in_(input) {
  stack_.emplace_back();
}

RtfDocument RtfParser::read() {
  while (pos_ < in_.size()) {
    step();
  }
  endParagraph(false);
  return std::move(document_);
}

void RtfParser::step() {
  const char c = in_[pos_++];
  if (skipping_) {
    stepSkipping(c);
    return;
  }
  switch (c) {
    case '{':
      openGroup();
      break;
    case '}':
      closeGroup();
      break;
    case '\\':
      readControl();
      break;
    case '\r':
    case '\n':
    case '\0':
      break;
    default:
      plainCharacter(c);
      break;
  }
}

// Inside a destination that is dropped only the group structure counts;
// "\bin" data is stepped over so that braces in it do not count.
void RtfParser::stepSkipping(char c) {
  if (c == '{') {
    ++skipDepth_;
  } else if (c == '}') {
    if (skipDepth_ > 0) {
      --skipDepth_;
    } else {
      skipping_ = false;
      closeGroup();
    }
  } else if (c == '\\') {
    readControl();
  }
}

void RtfParser::plainCharacter(char c) {
  if (pendingSkip_ > 0) {
    --pendingSkip_;
    return;
  }
  if (static_cast<unsigned char>(c) >= 0x80) {
    pendingBytes_.append(c);
    return;
  }
  flushBytes();
  if (c == ';' && state().destination != Destination::Text) {
    endTableEntry();
    return;
  }
  appendText(QString(QChar::fromLatin1(c)));
}

void RtfParser::openGroup() {
  flushBytes();
  pendingSkip_ = 0;
  formatChanged_ = true;
  if (stack_.size() >= static_cast<std::size_t>(kMaxRtfNesting)) {
    ++overflowDepth_;
  } else {
    GroupState inner = state();
    stack_.push_back(std::move(inner));
  }
}

void RtfParser::closeGroup() {
  flushBytes();
  pendingSkip_ = 0;
  formatChanged_ = true;
  if (overflowDepth_ > 0) {
    --overflowDepth_;
    return;
  }
  if (stack_.size() <= 1) {
    return;  // a stray closing brace
  }
  if (state().destination == Destination::FontTable) {
    endTableEntry();
  }
  stack_.pop_back();
}

void RtfParser::startSkipping() {
  flushBytes();
  skipping_ = true;
  skipDepth_ = 0;
}

void RtfParser::readControl() {
  if (pos_ >= in_.size()) {
    return;
  }
  const char first = in_[pos_];
  if (!isLetter(first)) {
    ++pos_;
    controlSymbol(first);
    return;
  }
  const qsizetype start = pos_;
  while (pos_ < in_.size() && isLetter(in_[pos_])) {
    ++pos_;
  }
  const QByteArrayView word = in_.sliced(start, std::min<qsizetype>(pos_ - start, 32));
  const std::optional<int> parameter = readParameter();
  if (pos_ < in_.size() && in_[pos_] == ' ') {
    ++pos_;
  }
  controlWord(word, parameter);
}

std::optional<int> RtfParser::readParameter() {
  const bool negative = pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1]);
  if (negative) {
    ++pos_;
  }
  if (pos_ >= in_.size() || !isDigit(in_[pos_])) {
    return std::nullopt;
  }
  long long value = 0;
  while (pos_ < in_.size() && isDigit(in_[pos_])) {
    value = std::min(value * 10 + (in_[pos_] - '0'), 1'000'000'000LL);
    ++pos_;
  }
  return static_cast<int>(negative ? -value : value);
}

void RtfParser::controlSymbol(char symbol) {
  if (symbol == '\'') {
    hexByte();
    return;
  }
  if (skipping_) {
    return;
  }
  if (pendingSkip_ > 0) {
    --pendingSkip_;
    return;
  }
  flushBytes();
  switch (symbol) {
    case '\\':
    case '{':
    case '}':
      appendText(QString(QChar::fromLatin1(symbol)));
      break;
    case '~':
      appendText(QString(QChar(0x00A0)));
      break;
    case '_':
      appendText(QString(QChar(0x2011)));
      break;
    case '*':
      startSkipping();
      break;
    case '\r':
    case '\n':
      endParagraph(true);
      break;
    default:
      break;  // "\-" optional hyphen, "\|", "\:" and the like
  }
}

void RtfParser::hexByte() {
  int value = 0;
  int digits = 0;
  while (digits < 2 && pos_ < in_.size() && hexValue(in_[pos_]) >= 0) {
    value = value * 16 + hexValue(in_[pos_]);
    ++pos_;
    ++digits;
  }
  if (skipping_ || digits == 0) {
    return;
  }
  if (pendingSkip_ > 0) {
    --pendingSkip_;
    return;
  }
  pendingBytes_.append(static_cast<char>(value));
}

void RtfParser::flushBytes() {
  if (pendingBytes_.isEmpty()) {
    return;
  }
  const QString text = codePage_.decode(pendingBytes_);
  pendingBytes_.clear();
  appendText(text);
}

void RtfParser::appendText(const QString& text) {
  if (state().destination == Destination::FontTable) {
    fontName_ += text;
    return;
  }
  if (state().destination != Destination::Text) {
    return;
  }
  if (formatChanged_) {
    RtfCharFormat format = state().format;
    const int fontIndex = state().fontIndex >= 0 ? state().fontIndex : defaultFont_;
    format.fontFamily = fonts_.value(fontIndex);
    if (format != runFormat_) {
      endRun();
      runFormat_ = std::move(format);
    }
    formatChanged_ = false;
  }
  runText_ += text;
  paragraphAlignment_ = state().alignment;
}

void RtfParser::endRun() {
  if (runText_.isEmpty()) {
    return;
  }
  repairSurrogates(runText_);
  paragraph_.runs.append(RtfRun{runText_, runFormat_});
  runText_.clear();
}

// A paragraph takes the alignment in force where it ends.
void RtfParser::endParagraph(bool explicitBreak) {
  flushBytes();
  endRun();
  if (!explicitBreak && paragraph_.runs.isEmpty()) {
    return;
  }
  paragraph_.alignment = explicitBreak ? state().alignment : paragraphAlignment_;
  document_.paragraphs.append(std::move(paragraph_));
  paragraph_ = RtfParagraph{};
}

}  // namespace rtf

// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The RTF reader's state machine; readRtf() in ui/rtfreader.h is its front.
#pragma once

#include <QByteArray>
#include <QHash>
#include <optional>
#include <vector>

#include "rtf/rtfcodepage.h"
#include "rtf/rtfreader.h"

namespace rtf {

class RtfParser {
 public:
  explicit RtfParser(QByteArrayView input);
  RtfDocument read();

 private:
  enum class Destination { Text, FontTable, ColorTable };

  struct GroupState {
    Destination destination = Destination::Text;
    RtfCharFormat format;
    int fontIndex = -1;  // -1: the document's default font
    RtfAlignment alignment = RtfAlignment::Left;
    int unicodeSkip = 1;  // "\ucN": fallback characters after each "\uN"
  };

  GroupState& state() { return stack_.back(); }

  // Structure and tokens (rtfparser.cpp).
  void step();
  void stepSkipping(char c);
  void plainCharacter(char c);
  void openGroup();
  void closeGroup();
  void startSkipping();
  void readControl();
  std::optional<int> readParameter();
  void controlSymbol(char symbol);
  void hexByte();
  void flushBytes();
  void appendText(const QString& text);
  void endRun();
  void endParagraph(bool explicitBreak);

  // Control words (rtfcontrolwords.cpp).
  void controlWord(QByteArrayView word, std::optional<int> parameter);
  bool breakWord(QByteArrayView word);
  bool characterWord(QByteArrayView word, std::optional<int> parameter);
  bool formatWord(QByteArrayView word, std::optional<int> parameter);
  void fontWord(int index);
  void documentWord(QByteArrayView word, std::optional<int> parameter);
  void colorComponent(QByteArrayView word, int value);
  void endTableEntry();

  QByteArrayView in_;
  qsizetype pos_ = 0;
  std::vector<GroupState> stack_;
  int overflowDepth_ = 0;  // groups opened beyond kMaxRtfNesting
  bool skipping_ = false;  // inside a dropped destination
  int skipDepth_ = 0;      // groups opened inside it
  int pendingSkip_ = 0;    // fallback characters still to drop after "\uN"
  bool formatChanged_ = true;

  RtfCodePage codePage_;
  QByteArray pendingBytes_;  // code-page bytes not yet decoded
  QHash<int, QString> fonts_;
  int defaultFont_ = -1;
  int tableFont_ = -1;
  QString fontName_;
  QList<std::optional<QRgb>> colors_;
  int red_ = 0;
  int green_ = 0;
  int blue_ = 0;
  bool colorGiven_ = false;

  QString runText_;
  RtfCharFormat runFormat_;
  RtfAlignment paragraphAlignment_ = RtfAlignment::Left;
  RtfParagraph paragraph_;
  RtfDocument document_;
};

}  // namespace rtf

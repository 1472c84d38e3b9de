// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Random names for property tests, drawn from an alphabet rich in carets,
// digits and spaces, where the rules of the colour-code language bite.
#pragma once

#include <QString>
#include <QStringList>
#include <random>

class RandomNames {
 public:
  explicit RandomNames(unsigned seed) : engine_(seed) {}

  // Pieces are single characters except the surrogate pair of an emoji; a
  // lone surrogate is in the alphabet too, as a text box may hold one.
  QString next() {
    static const QStringList pieces = {"^",
                                       "^",
                                       "^",
                                       "^",
                                       "1",
                                       "2",
                                       "3",
                                       "4",
                                       "5",
                                       "6",
                                       "7",
                                       "8",
                                       "9",
                                       "0",
                                       " ",
                                       " ",
                                       "a",
                                       "z",
                                       "Q",
                                       "!",
                                       "`",
                                       "{",
                                       "\u00e9",
                                       "\u00df",
                                       "\u00a0",
                                       QString::fromUtf8("\U0001F600"),
                                       QString(QChar(0xD800)),
                                       QString(QChar(0xDC00))};
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<qsizetype> piece(0, pieces.size() - 1);
    QString name;
    for (int count = length(engine_); count > 0; --count) {
      name += pieces.at(piece(engine_));
    }
    return name;
  }

 private:
  std::mt19937 engine_;
};

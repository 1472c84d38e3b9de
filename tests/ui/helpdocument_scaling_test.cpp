// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Showing a help file takes time in proportion to its size, however its runs
// of text are formatted.
#include <gtest/gtest.h>
#include <time.h>

#include <QTextBlock>
#include <QTextDocument>
#include <functional>

#include "ui/helpdocument.h"

namespace {

using ui::HelpText;

double cpuMs(const std::function<void()>& work) {
  timespec start{};
  timespec end{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
  work();
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
  return static_cast<double>(end.tv_sec - start.tv_sec) * 1e3 +
         static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e6;
}

double showMs(const QByteArray& rtf) {
  const HelpText help{HelpText::Kind::Rich, {}, rtf::readRtf(rtf)};
  QTextDocument document;
  return cpuMs([&] { ui::showHelpText(document, help, QFont()); });
}

struct ScalingCase {
  const char* name;
  std::function<QByteArray(int)> document;  // a document of about n runs
};

// One paragraph of many runs was laid out again at every run, and every new
// font family was compared against all formats before it: both grew with the
// square of the document.
TEST(ShowHelpText, TimeGrowsInProportionToTheRuns) {
  const ScalingCase cases[] = {
      {"one paragraph of alternating bold and plain runs",
       [](int runs) {
         QByteArray rtf = "{\\rtf1 ";
         for (int run = 0; run < runs; ++run) {
           rtf += run % 2 == 0 ? "\\b bold \\b0 " : "plain ";
         }
         return rtf + "}";
       }},
      {"a font table of many families, each used once",
       [](int runs) {
         QByteArray rtf = "{\\rtf1{\\fonttbl";
         for (int font = 0; font < runs; ++font) {
           rtf += "{\\f" + QByteArray::number(font) + " Family" + QByteArray::number(font) + ";}";
         }
         rtf += "}";
         for (int font = 0; font < runs; ++font) {
           rtf += "\\f" + QByteArray::number(font) + " x";
         }
         return rtf + "}";
       }},
  };
  for (const ScalingCase& scaling : cases) {
    showMs(scaling.document(100));  // warm up the font database
    // Eight small documents against one eight times as large: about the same
    // time; square growth gives eight times as much. Summed, the small ones
    // also outlast the ticks of a coarse thread clock (15.6 ms on Windows).
    double small = 0;
    for (int document = 0; document < 8; ++document) {
      small += showMs(scaling.document(2000));
    }
    const double large = showMs(scaling.document(16000));
    EXPECT_LT(large, 3 * std::max(small, 16.0))
        << scaling.name << ": " << small << " ms, then " << large << " ms";
  }
}

TEST(ShowHelpText, FamiliesBeyondTheFirst64TakeTheViewerFont) {
  QByteArray rtf = "{\\rtf1{\\fonttbl";
  for (int font = 0; font < 70; ++font) {
    rtf += "{\\f" + QByteArray::number(font) + " Family" + QByteArray::number(font) + ";}";
  }
  rtf += "}";
  for (int font = 0; font < 70; ++font) {
    rtf += "\\f" + QByteArray::number(font) + " x\\par ";
  }
  rtf += "\\f3 again}";
  QTextDocument document;
  ui::showHelpText(document, {HelpText::Kind::Rich, {}, rtf::readRtf(rtf)}, QFont());
  auto familiesOf = [&](int blockNumber) {
    return document.findBlockByNumber(blockNumber)
        .begin()
        .fragment()
        .charFormat()
        .fontFamilies()
        .toStringList();
  };
  EXPECT_EQ(familiesOf(0), QStringList{QStringLiteral("Family0")});
  EXPECT_EQ(familiesOf(63), QStringList{QStringLiteral("Family63")});
  EXPECT_EQ(familiesOf(64), QStringList());
  EXPECT_EQ(familiesOf(69), QStringList());
  EXPECT_EQ(familiesOf(70), QStringList{QStringLiteral("Family3")}) << "a family already in use";
}

}  // namespace

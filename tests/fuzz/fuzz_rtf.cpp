// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The help file's RTF reader on any bytes, and the document it gives shown in
// the Help viewer's document: no crash, no sanitizer report, the viewer holds
// exactly the text that was read, and the work stays linear in the input.
#include <QFont>
#include <QGuiApplication>
#include <QStringList>
#include <QTextDocument>
#include <cstdlib>

#include "rtf/rtfreader.h"
#include "ui/helpdocument.h"
#include "workbudget.h"

namespace {

// What QTextDocument keeps of the text: it starts a new paragraph at every
// line end inside a run (CR LF counting once) and at its own frame marks,
// as it does between the paragraphs.
QString expectedViewerText(const rtf::RtfDocument& document) {
  QStringList paragraphs;
  for (const rtf::RtfParagraph& paragraph : document.paragraphs) {
    QString text;
    for (const rtf::RtfRun& run : paragraph.runs) {
      QString runText = run.text;
      runText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
      for (const char16_t lineEnd : {u'\r', u'\n', char16_t{0xFDD0}, char16_t{0xFDD1}}) {
        runText.replace(QChar(lineEnd), QChar::ParagraphSeparator);
      }
      text += runText;
    }
    paragraphs.append(text);
  }
  return paragraphs.join(QChar::ParagraphSeparator);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "fuzz_rtf";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
  // The font database is read once, on first use: not in an input's budget.
  QTextDocument warmUp;
  ui::showHelpText(warmUp,
                   ui::HelpText{ui::HelpText::Kind::Rich,
                                {},
                                rtf::readRtf("{\\rtf1{\\fonttbl{\\f0 Courier New;}{\\f1 "
                                             "Verdana;}{\\f2 MS Sans Serif;}}\\f0 a\\f1 b\\f2 c}")},
                   QFont());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // About 1 ms per KiB is what linear work costs here under the sanitizers;
  // the fixed part allows for a busy machine (a 340-byte input once took 23 ms).
  const WorkBudget budget(size, 100.0, 5.0);
  const QByteArrayView bytes(data, static_cast<qsizetype>(size));
  const rtf::RtfDocument document = rtf::readRtf(bytes);
  const QString text = document.plainText();
  // Every character read comes from at least one byte of input; a paragraph
  // break too, but for the paragraph the document always ends with.
  if (text.size() > static_cast<qsizetype>(size) + 1) {
    std::abort();
  }

  QTextDocument viewer;
  ui::showHelpText(viewer, ui::HelpText{ui::HelpText::Kind::Rich, {}, document},
                   QFont(QStringLiteral("DejaVu Sans Mono")));
  if (viewer.toRawText() != expectedViewerText(document)) {
    std::abort();
  }
  budget.check();
  return 0;
}

// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programscan.h"

#include <QRegularExpression>
#include <algorithm>
#include <utility>

namespace programscan {
namespace {

const QSet<QString> kBuiltins{
    QStringLiteral("."),       QStringLiteral(":"),         QStringLiteral("["),
    QStringLiteral("alias"),   QStringLiteral("break"),     QStringLiteral("builtin"),
    QStringLiteral("cd"),      QStringLiteral("continue"),  QStringLiteral("declare"),
    QStringLiteral("echo"),    QStringLiteral("eval"),      QStringLiteral("exit"),
    QStringLiteral("export"),  QStringLiteral("false"),     QStringLiteral("getopts"),
    QStringLiteral("hash"),    QStringLiteral("kill"),      QStringLiteral("let"),
    QStringLiteral("local"),   QStringLiteral("mapfile"),   QStringLiteral("popd"),
    QStringLiteral("printf"),  QStringLiteral("pushd"),     QStringLiteral("pwd"),
    QStringLiteral("read"),    QStringLiteral("readarray"), QStringLiteral("readonly"),
    QStringLiteral("return"),  QStringLiteral("set"),       QStringLiteral("shift"),
    QStringLiteral("shopt"),   QStringLiteral("source"),    QStringLiteral("test"),
    QStringLiteral("trap"),    QStringLiteral("true"),      QStringLiteral("type"),
    QStringLiteral("typeset"), QStringLiteral("ulimit"),    QStringLiteral("umask"),
    QStringLiteral("unset"),   QStringLiteral("wait"),
};
// After these the next word is again a command.
const QSet<QString> kLeadingKeywords{
    QStringLiteral("if"),   QStringLiteral("then"),  QStringLiteral("else"),
    QStringLiteral("elif"), QStringLiteral("while"), QStringLiteral("until"),
    QStringLiteral("do"),   QStringLiteral("!"),     QStringLiteral("time"),
    QStringLiteral("{"),
};
const QSet<QString> kClosingKeywords{QStringLiteral("fi"), QStringLiteral("done"),
                                     QStringLiteral("}"), QStringLiteral("in")};
// They run their first argument that is not an option, a number or an
// assignment.
const QSet<QString> kWrappers{QStringLiteral("command"), QStringLiteral("env"),
                              QStringLiteral("exec"),    QStringLiteral("nice"),
                              QStringLiteral("nohup"),   QStringLiteral("sudo"),
                              QStringLiteral("timeout"), QStringLiteral("xargs")};

const QRegularExpression kProgramName(QStringLiteral("^[A-Za-z_][A-Za-z0-9_.+-]*$"));
const QRegularExpression kAssignment(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(\\[[^]]*\\])?\\+?="));
const QRegularExpression kWrapperArgument(QStringLiteral("^(-.*|[0-9.]+[smhd]?)$"));

bool isBlank(QChar c) {
  return c == u' ' || c == u'\t';
}
bool endsWord(QChar c) {
  return isBlank(c) || c == u'\n' || QStringLiteral(";&|()<>").contains(c);
}

struct Word {
  QString text;     // outside quotes and expansions
  QString literal;  // with the quoted parts' contents, for heredoc delimiters
  bool plain = true;
  int expansions = 0;
  bool lastExpansionIsArray = false;
  // "${wrapper[@]}" alone, as in "${as_root[@]}" apt-get install ...
  [[nodiscard]] bool isArrayExpansion() const {
    return text.isEmpty() && expansions == 1 && lastExpansionIsArray;
  }
};

class BashScanner {
 public:
  explicit BashScanner(const QString& text) : text_(text) {}

  void run() { scan(QChar()); }
  QSet<QString> commands;
  QSet<QString> functions;

 private:
  [[nodiscard]] bool atEnd() const { return pos_ >= text_.size(); }
  [[nodiscard]] QChar peek(qsizetype ahead = 0) const {
    return pos_ + ahead < text_.size() ? text_.at(pos_ + ahead) : QChar();
  }
  [[nodiscard]] QChar nextNonBlank() const {
    qsizetype at = pos_;
    while (at < text_.size() && isBlank(text_.at(at))) {
      ++at;
    }
    return at < text_.size() ? text_.at(at) : QChar();
  }

  void scan(QChar close);
  bool scanOperator(int& parens, bool& command);
  void takeWord(const Word& word, bool& command);
  Word readWord();
  void readSingleQuoted(Word& word);
  void readDoubleQuoted(Word& word);
  void readDollar(Word& word);
  void skipArithmetic();
  void skipArray();
  void skipLine();
  void skipHeredocs();
  void readRedirection();

  const QString& text_;
  qsizetype pos_ = 0;
  QStringList heredocs_;
  int caseDepth_ = 0;
  bool inTest_ = false;
  bool skipNextWord_ = false;
  bool wrapped_ = false;
  bool functionName_ = false;
};

void BashScanner::scan(QChar close) {
  bool command = true;
  int parens = 0;
  while (!atEnd()) {
    const QChar c = peek();
    if (c == u'\\' && peek(1) == u'\n') {
      pos_ += 2;
    } else if (isBlank(c)) {
      ++pos_;
    } else if (c == u'#') {
      skipLine();
    } else if (!close.isNull() && c == close && parens == 0) {
      ++pos_;
      return;
    } else if (!scanOperator(parens, command)) {
      takeWord(readWord(), command);
    }
  }
}

// Newlines, control operators, parentheses and redirections; false at a word.
bool BashScanner::scanOperator(int& parens, bool& command) {
  const QChar c = peek();
  if (c == u'\n' || c == u';' || c == u'&' || c == u'|') {
    skipNextWord_ = false;
    while (peek() == u';' || peek() == u'&' || peek() == u'|') {
      ++pos_;
    }
    if (peek() == u'\n') {
      ++pos_;
      skipHeredocs();
    }
    if (!inTest_) {
      command = true;
      wrapped_ = false;
    }
  } else if (c == u'(' && peek(1) == u'(') {
    skipArithmetic();
    command = false;
  } else if (c == u'(') {
    ++pos_;
    ++parens;
    command = true;
  } else if (c == u')') {
    ++pos_;
    if (parens > 0) {
      --parens;
    } else if (caseDepth_ > 0) {
      command = true;  // the end of a case pattern
    }
  } else if ((c == u'<' || c == u'>') && peek(1) == u'(') {
    pos_ += 2;  // process substitution
    skipNextWord_ = false;
    scan(QChar(u')'));
  } else if (c == u'<' || c == u'>') {
    readRedirection();
  } else {
    return false;
  }
  return true;
}

void BashScanner::readRedirection() {
  if (peek() == u'<' && peek(1) == u'<' && peek(2) != u'<') {
    pos_ += 2;
    if (peek() == u'-') {
      ++pos_;
    }
    while (isBlank(peek())) {
      ++pos_;
    }
    heredocs_.append(readWord().literal);
    return;
  }
  while (peek() == u'<' || peek() == u'>' || peek() == u'&' || peek() == u'|') {
    ++pos_;
  }
  skipNextWord_ = true;
}

void BashScanner::takeWord(const Word& word, bool& command) {
  if (skipNextWord_) {
    skipNextWord_ = false;
    return;
  }
  const QString& text = word.text;
  if (inTest_) {
    inTest_ = text != QStringLiteral("]]");
    return;
  }
  if (functionName_) {
    functions.insert(text);
    functionName_ = false;
    return;
  }
  if (!command) {
    return;
  }
  if (word.plain && text == QStringLiteral("case")) {
    ++caseDepth_;
    command = false;
  } else if (word.plain && text == QStringLiteral("esac")) {
    --caseDepth_;
    command = false;
  } else if (kAssignment.match(text).hasMatch()) {
    if (peek() == u'(') {
      skipArray();
    }
  } else if (wrapped_ && kWrapperArgument.match(text).hasMatch()) {
    // an option or the duration of timeout
  } else if (word.isArrayExpansion()) {
    wrapped_ = true;
  } else if (!word.plain) {
    command = false;
  } else if (text == QStringLiteral("function")) {
    functionName_ = true;
  } else if (nextNonBlank() == u'(' && peek(1) != u'(') {
    functions.insert(text);  // name() { ... }
    pos_ = text_.indexOf(u')', pos_) + 1;
  } else if (caseDepth_ > 0 && nextNonBlank() == u')') {
    command = false;  // a case pattern
  } else if (kLeadingKeywords.contains(text)) {
    wrapped_ = false;
  } else if (text == QStringLiteral("[[")) {
    inTest_ = true;
    command = false;
  } else if (kWrappers.contains(text)) {
    wrapped_ = true;
  } else {
    if (!kBuiltins.contains(text) && !kClosingKeywords.contains(text) &&
        text != QStringLiteral("for") && text != QStringLiteral("select") &&
        kProgramName.match(text).hasMatch()) {
      commands.insert(text);
    }
    command = false;
    wrapped_ = false;
  }
}

Word BashScanner::readWord() {
  Word word;
  while (!atEnd()) {
    const QChar c = peek();
    if (endsWord(c) || c == u'`' || (c == u'\\' && peek(1) == u'\n')) {
      if (c == u'`') {
        word.plain = false;
        ++pos_;
        scan(QChar(u'`'));
        continue;
      }
      break;
    }
    if (c == u'\\') {
      word.plain = false;
      word.literal += peek(1);
      pos_ += 2;
    } else if (c == u'\'') {
      readSingleQuoted(word);
    } else if (c == u'"') {
      readDoubleQuoted(word);
    } else if (c == u'$') {
      readDollar(word);
    } else {
      word.text += c;
      word.literal += c;
      ++pos_;
    }
  }
  return word;
}

void BashScanner::readSingleQuoted(Word& word) {
  word.plain = false;
  const qsizetype end = text_.indexOf(u'\'', pos_ + 1);
  const qsizetype stop = end < 0 ? text_.size() : end;
  word.literal += text_.mid(pos_ + 1, stop - pos_ - 1);
  pos_ = stop + 1;
}

void BashScanner::readDoubleQuoted(Word& word) {
  word.plain = false;
  ++pos_;
  while (!atEnd() && peek() != u'"') {
    if (peek() == u'\\') {
      word.literal += peek(1);
      pos_ += 2;
    } else if (peek() == u'$') {
      readDollar(word);
    } else if (peek() == u'`') {
      ++pos_;
      scan(QChar(u'`'));
    } else {
      word.literal += peek();
      ++pos_;
    }
  }
  ++pos_;
}

// $(command), $((arithmetic)), ${parameter} or $name.
void BashScanner::readDollar(Word& word) {
  word.plain = false;
  ++word.expansions;
  word.lastExpansionIsArray = false;
  if (peek(1) == u'(' && peek(2) == u'(') {
    ++pos_;
    skipArithmetic();
  } else if (peek(1) == u'(') {
    pos_ += 2;
    const bool inTest = std::exchange(inTest_, false);
    scan(QChar(u')'));
    inTest_ = inTest;
  } else if (peek(1) == u'{') {
    const qsizetype start = pos_ + 2;
    pos_ += 2;
    int depth = 1;
    while (!atEnd() && depth > 0) {
      if (peek() == u'$' && (peek(1) == u'(' || peek(1) == u'{')) {
        Word inner;
        readDollar(inner);
        continue;
      }
      if (peek() == u'"') {
        Word inner;
        readDoubleQuoted(inner);
        continue;
      }
      depth += peek() == u'{' ? 1 : peek() == u'}' ? -1 : 0;
      ++pos_;
    }
    word.lastExpansionIsArray = text_.mid(start, pos_ - start - 1).endsWith(QStringLiteral("[@]"));
  } else {
    ++pos_;
  }
}

void BashScanner::skipArithmetic() {
  int depth = 0;
  do {
    depth += peek() == u'(' ? 1 : peek() == u')' ? -1 : 0;
    ++pos_;
  } while (!atEnd() && depth > 0);
}

void BashScanner::skipArray() {
  ++pos_;
  while (!atEnd() && peek() != u')') {
    if (isBlank(peek()) || peek() == u'\n') {
      ++pos_;
    } else {
      const qsizetype before = pos_;
      readWord();
      pos_ = std::max(pos_, before + 1);
    }
  }
  ++pos_;
}

void BashScanner::skipLine() {
  const qsizetype end = text_.indexOf(u'\n', pos_);
  pos_ = end < 0 ? text_.size() : end;
}

void BashScanner::skipHeredocs() {
  for (const QString& delimiter : std::as_const(heredocs_)) {
    while (!atEnd()) {
      const qsizetype end = text_.indexOf(u'\n', pos_);
      const qsizetype stop = end < 0 ? text_.size() : end;
      const QString line = text_.mid(pos_, stop - pos_).trimmed();
      pos_ = stop + 1;
      if (line == delimiter) {
        break;
      }
    }
  }
  heredocs_.clear();
}

}  // namespace

QSet<QString> bashCommands(const QString& script) {
  BashScanner scanner(script);
  scanner.run();
  return scanner.commands - scanner.functions;
}

QSet<QString> bashFunctions(const QString& script) {
  BashScanner scanner(script);
  scanner.run();
  return scanner.functions;
}

QSet<QString> cppPrograms(const QString& source) {
  static const QRegularExpression call(QStringLiteral(
      R"(\b(?:start|startDetached|execute|setProgram|runTool|execlp|execvp|execl|execv|)"
      R"(system|popen|findExecutable)\s*\(\s*(?:QStringLiteral\s*\(\s*|)"
      R"(QString::fromLatin1\s*\(\s*|QString::fromUtf8\s*\(\s*|u)?"([A-Za-z_][A-Za-z0-9_.+-]*)[ "])"));
  QSet<QString> programs;
  for (auto match = call.globalMatch(source); match.hasNext();) {
    programs.insert(match.next().captured(1));
  }
  return programs;
}

QList<QStringList> cmakePrograms(const QString& source, const QSet<QString>& targets) {
  static const QRegularExpression findProgram(
      QStringLiteral(R"(\bfind_program\s*\(\s*\w+\s+([^)]*)\))"),
      QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression stopWords(QStringLiteral(
      "^(HINTS|PATHS|PATH_SUFFIXES|DOC|REQUIRED|OPTIONAL|VALIDATOR|REGISTRY_VIEW|NO_.*|ENV)$"));
  static const QRegularExpression command(
      QStringLiteral(R"(\bCOMMAND\s+([A-Za-z_][A-Za-z0-9_.+-]*)(?=[\s)]))"));
  QList<QStringList> programs;
  for (auto match = findProgram.globalMatch(source); match.hasNext();) {
    QStringList names;
    for (const QString& word : match.next().captured(1).split(
             QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
      if (stopWords.match(word).hasMatch()) {
        break;
      }
      if (word != QStringLiteral("NAMES") && word != QStringLiteral("NAMES_PER_DIR")) {
        names.append(word);
      }
    }
    programs.append(names);
  }
  for (auto match = command.globalMatch(source); match.hasNext();) {
    const QString word = match.next().captured(1);
    if (!targets.contains(word)) {
      programs.append({word});
    }
  }
  return programs;
}

QSet<QString> cmakeTargets(const QString& source) {
  static const QRegularExpression target(
      QStringLiteral(R"(\badd_(?:executable|library)\s*\(\s*([A-Za-z_][A-Za-z0-9_.+-]*)\s)"));
  QSet<QString> targets;
  for (auto match = target.globalMatch(source); match.hasNext();) {
    targets.insert(match.next().captured(1));
  }
  return targets;
}

}  // namespace programscan

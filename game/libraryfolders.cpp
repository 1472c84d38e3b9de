// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/libraryfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace game {
namespace {

// Nothing Steam writes is nested this deep; a file that is stops being read.
constexpr qsizetype kMaxDepth = 16;
constexpr qsizetype kMaxPathLength = 4096;

enum class Kind { String, Open, Close, End };

struct Token {
  Kind kind = Kind::End;
  QByteArray text;
};

// Splits the text into quoted or bare strings and braces. An unterminated
// string ends the text: what follows it cannot be trusted.
class Tokens {
 public:
  explicit Tokens(const QByteArray& text) : text_(text) {}

  Token next() {
    skipSpaceAndComments();
    if (at_ >= text_.size()) {
      return {};
    }
    const char c = text_.at(at_);
    if (c == '{' || c == '}') {
      ++at_;
      return {c == '{' ? Kind::Open : Kind::Close, {}};
    }
    if (c == '"') {
      ++at_;
      return quoted();
    }
    return bare();
  }

 private:
  void skipSpaceAndComments() {
    while (at_ < text_.size()) {
      const char c = text_.at(at_);
      if (c == '/' && at_ + 1 < text_.size() && text_.at(at_ + 1) == '/') {
        const qsizetype end = text_.indexOf('\n', at_);
        at_ = end < 0 ? text_.size() : end;
      } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
        ++at_;
      } else {
        return;
      }
    }
  }

  Token quoted() {
    QByteArray text;
    while (at_ < text_.size()) {
      const char c = text_.at(at_++);
      if (c == '"') {
        return {Kind::String, text};
      }
      if (c != '\\') {
        text += c;
        continue;
      }
      if (at_ >= text_.size()) {
        break;
      }
      const char escaped = text_.at(at_++);
      switch (escaped) {
        case 'n':
          text += '\n';
          break;
        case 't':
          text += '\t';
          break;
        case '\\':
        case '"':
          text += escaped;
          break;
        default:
          text += '\\';
          text += escaped;
          break;
      }
    }
    at_ = text_.size();
    return {};
  }

  Token bare() {
    const qsizetype start = at_;
    while (at_ < text_.size()) {
      const char c = text_.at(at_);
      if (c == '"' || c == '{' || c == '}' || c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        break;
      }
      ++at_;
    }
    return {Kind::String, text_.mid(start, at_ - start)};
  }

  const QByteArray& text_;
  qsizetype at_ = 0;
};

bool isNumber(const QByteArray& text) {
  return !text.isEmpty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whether key = value, inside the given blocks, names a library: "path" in an
// entry of "libraryfolders", or a numbered key directly in it (older Steam).
bool namesLibrary(const QList<QByteArray>& blocks, const QByteArray& key) {
  if (blocks.isEmpty() || blocks.front().compare("libraryfolders", Qt::CaseInsensitive) != 0) {
    return false;
  }
  return (blocks.size() == 2 && key.compare("path", Qt::CaseInsensitive) == 0) ||
         (blocks.size() == 1 && isNumber(key));
}

std::optional<QString> usablePath(const QByteArray& value) {
  const QString path = QString::fromUtf8(value);
  if (path.size() > kMaxPathLength || path.contains(QChar(0)) || !QDir::isAbsolutePath(path)) {
    return std::nullopt;
  }
  return path;
}

// The whole file when it is a plain file of at most limit bytes. Opened
// without blocking, so that a pipe or device in its place cannot stall.
std::optional<QByteArray> readPlainFile(const QString& path, qint64 limit) {
#ifdef Q_OS_UNIX
  const int fd =
      ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    return std::nullopt;
  }
  struct stat status {};
  std::optional<QByteArray> bytes;
  if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= limit) {
    bytes.emplace();
    char chunk[16384];
    for (;;) {
      const ssize_t got = ::read(fd, chunk, sizeof chunk);
      if (got < 0 && errno == EINTR) {
        continue;
      }
      if (got < 0 || bytes->size() + got > limit) {
        bytes.reset();
        break;
      }
      if (got == 0) {
        break;
      }
      bytes->append(chunk, got);
    }
  }
  ::close(fd);
  return bytes;
#else
  QFile file(path);
  if (!QFileInfo(path).isFile() || file.size() > limit || !file.open(QIODevice::ReadOnly)) {
    return std::nullopt;
  }
  QByteArray bytes = file.read(limit + 1);
  if (bytes.size() > limit || file.error() != QFileDevice::NoError) {
    return std::nullopt;
  }
  return bytes;
#endif
}

}  // namespace

QStringList steamLibraryPaths(const QByteArray& vdf) {
  QStringList paths;
  QList<QByteArray> blocks;  // the keys of the open blocks, outermost first
  std::optional<QByteArray> key;
  Tokens tokens(vdf);
  for (Token token = tokens.next(); token.kind != Kind::End; token = tokens.next()) {
    if (token.kind == Kind::Open) {
      if (blocks.size() >= kMaxDepth) {
        break;
      }
      blocks << key.value_or(QByteArray());
      key.reset();
    } else if (token.kind == Kind::Close) {
      if (!blocks.isEmpty()) {
        blocks.removeLast();
      }
      key.reset();
    } else if (!key) {
      key = token.text;
    } else {
      if (namesLibrary(blocks, *key)) {
        if (const std::optional<QString> path = usablePath(token.text)) {
          paths << *path;
          if (paths.size() >= kLibraryFoldersMaxPaths) {
            break;
          }
        }
      }
      key.reset();
    }
  }
  return paths;
}

QStringList readSteamLibraryPaths(const QString& steamRoot) {
  const std::optional<QByteArray> vdf = readPlainFile(
      steamRoot + QStringLiteral("/steamapps/libraryfolders.vdf"), kLibraryFoldersMaxBytes);
  return vdf ? steamLibraryPaths(*vdf) : QStringList();
}

}  // namespace game

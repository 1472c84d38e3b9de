// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "packageowner.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace packageowner {
namespace {

QString runDpkg(const QString& program, const QStringList& arguments) {
  QProcess dpkg;
  dpkg.start(program, arguments);
  dpkg.waitForFinished(60000);
  // dpkg -S ends with status 1 when some file has no owner; the others are
  // still listed.
  return QString::fromLocal8Bit(dpkg.readAllStandardOutput());
}

// /bin/x for /usr/bin/x and the other way round, for the merged folders.
QString mergedTwin(const QString& file) {
  for (const char* folder : {"/bin/", "/sbin/", "/lib/", "/lib64/"}) {
    const QString top = QString::fromLatin1(folder);
    const QString usr = QStringLiteral("/usr") + top;
    if (file.startsWith(top)) {
      return QStringLiteral("/usr") + file;
    }
    if (file.startsWith(usr)) {
      return file.mid(4);
    }
  }
  return {};
}

}  // namespace

QStringList resolve(const QString& program) {
  QString file = program.startsWith(u'/') ? program : QStandardPaths::findExecutable(program);
  QStringList chain;
  while (!file.isEmpty() && QFileInfo::exists(file) && !chain.contains(file)) {
    chain.append(file);
    const QFileInfo info(file);
    file = info.isSymLink() ? info.symLinkTarget() : QString();
  }
  return chain;
}

QSet<QString> owners(const QStringList& files) {
  if (files.isEmpty()) {
    return {};
  }
  QStringList paths;
  for (const QString& file : files) {
    paths.append(file);
    const QString twin = mergedTwin(file);
    if (!twin.isEmpty()) {
      paths.append(twin);
    }
  }
  QSet<QString> packages;
  // Lines are "package[:arch][, package...]: /path"; diversions are skipped.
  const QString output = runDpkg(QStringLiteral("dpkg"), QStringList{QStringLiteral("-S")} + paths);
  for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts)) {
    const qsizetype colon = line.indexOf(QStringLiteral(": "));
    if (colon < 0 || line.startsWith(QStringLiteral("diversion "))) {
      continue;
    }
    for (QString package : line.left(colon).split(QStringLiteral(", "))) {
      packages.insert(package.section(u':', 0, 0).trimmed());
    }
  }
  return packages;
}

QSet<QString> essentialPackages() {
  const QString output =
      runDpkg(QStringLiteral("dpkg-query"),
              {QStringLiteral("-W"), QStringLiteral("-f=${Package} ${Essential}\\n")});
  QSet<QString> packages;
  for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts)) {
    const QStringList fields = line.split(u' ');
    if (fields.size() == 2 && fields.at(1) == QStringLiteral("yes")) {
      packages.insert(fields.at(0));
    }
  }
  return packages;
}

QStringList readList(const QString& path) {
  QFile file(path);
  QStringList lines;
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    return lines;
  }
  for (const QString& raw : QString::fromUtf8(file.readAll()).split(u'\n')) {
    const QString line = raw.section(u'#', 0, 0).trimmed();
    if (!line.isEmpty()) {
      lines.append(line);
    }
  }
  return lines;
}

}  // namespace packageowner

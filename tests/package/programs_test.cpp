// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every program that the build, the package step and the tests run comes from
// a package that scripts/install-deps.sh installs, and every program the
// sources call is in scripts/programs.txt, so that a tool added without its
// package fails here rather than on a fresh machine.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include "packageowner.h"
#include "programscan.h"

namespace {

const QString kSource = QStringLiteral(TINTRA_SOURCE_DIR);

// Run by hand, never by the build or the tests; their tools are named in
// their own comments.
const QStringList kNotScanned{
    QStringLiteral("scripts/render-icons.sh"),
    QStringLiteral("scripts/make-about-photo.sh"),
    QStringLiteral("tests/bench/"),
};

struct Entry {
  QString program;
  QString kind;  // "bootstrap", "windows" or none
};

QList<Entry> listedPrograms() {
  QList<Entry> entries;
  for (const QString& line :
       packageowner::readList(kSource + QStringLiteral("/scripts/programs.txt"))) {
    const QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")));
    entries.append({words.at(0), words.value(1)});
  }
  return entries;
}

QSet<QString> listedNames() {
  QSet<QString> names;
  for (const Entry& entry : listedPrograms()) {
    names.insert(entry.program);
  }
  return names;
}

QString readText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The sources, relative to the source folder, that the filter accepts; build
// folders and git's own are left out.
QStringList sources(const std::function<bool(const QString& path, const QString& text)>& accept) {
  QStringList found;
  QDirIterator files(kSource, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString path = files.next().mid(kSource.size() + 1);
    const bool skipped =
        path.startsWith(QStringLiteral("build")) || path.startsWith(QStringLiteral(".git/")) ||
        std::any_of(kNotScanned.begin(), kNotScanned.end(),
                    [&](const QString& prefix) { return path.startsWith(prefix); });
    if (!skipped && accept(path, readText(kSource + u'/' + path))) {
      found.append(path);
    }
  }
  return found;
}

bool isBashScript(const QString& path, const QString& text) {
  return path.endsWith(QStringLiteral(".sh")) ||
         (text.startsWith(QStringLiteral("#!")) &&
          text.section(u'\n', 0, 0).contains(QStringLiteral("sh")));
}

TEST(Programs, EachComesFromAListedOrEssentialPackage) {
  const QStringList listed =
      packageowner::readList(kSource + QStringLiteral("/scripts/debian-packages.txt")) +
      packageowner::readList(kSource + QStringLiteral("/scripts/windows-packages.txt"));
  // Essential packages are on every Debian system, also a fresh minimal one.
  const QSet<QString> present =
      QSet<QString>(listed.begin(), listed.end()) + packageowner::essentialPackages();
  ASSERT_TRUE(present.contains(QStringLiteral("coreutils"))) << "dpkg lists no Essential packages";
  for (const Entry& entry : listedPrograms()) {
    if (entry.kind == QStringLiteral("bootstrap")) {
      continue;
    }
    const QStringList files = packageowner::resolve(entry.program);
    // The Windows tools are there only where the Windows downloads are made.
    if (files.isEmpty() && entry.kind == QStringLiteral("windows")) {
      continue;
    }
    if (files.isEmpty()) {
      ADD_FAILURE() << entry.program.toStdString()
                    << " is not installed: add the package that provides it to "
                       "scripts/debian-packages.txt";
      continue;
    }
    const QSet<QString> owners = packageowner::owners(files);
    if (!owners.intersects(present)) {
      QStringList names(owners.begin(), owners.end());
      names.sort();
      ADD_FAILURE() << entry.program.toStdString() << " ("
                    << files.join(QStringLiteral(" -> ")).toStdString() << ") comes from "
                    << (names.isEmpty() ? QStringLiteral("no package")
                                        : names.join(QStringLiteral(" or ")))
                           .toStdString()
                    << ", which is not in scripts/debian-packages.txt or windows-packages.txt";
    }
  }
}

TEST(Programs, BashScriptsCallOnlyListedPrograms) {
  const QStringList scripts = sources(isBashScript);
  ASSERT_TRUE(scripts.contains(QStringLiteral("test.sh")));
  QSet<QString> functions;
  for (const QString& script : scripts) {
    functions += programscan::bashFunctions(readText(kSource + u'/' + script));
  }
  const QSet<QString> listed = listedNames();
  for (const QString& script : scripts) {
    const QSet<QString> called =
        programscan::bashCommands(readText(kSource + u'/' + script)) - functions - listed;
    for (const QString& program : called) {
      ADD_FAILURE() << script.toStdString() << " calls " << program.toStdString()
                    << ", which is not in scripts/programs.txt";
    }
  }
}

TEST(Programs, CppSourcesCallOnlyListedPrograms) {
  const QStringList files = sources([](const QString& path, const QString&) {
    return path.endsWith(QStringLiteral(".cpp")) || path.endsWith(QStringLiteral(".h"));
  });
  ASSERT_FALSE(files.isEmpty());
  const QSet<QString> listed = listedNames();
  for (const QString& file : files) {
    for (const QString& program :
         programscan::cppPrograms(readText(kSource + u'/' + file)) - listed) {
      ADD_FAILURE() << file.toStdString() << " runs " << program.toStdString()
                    << ", which is not in scripts/programs.txt";
    }
  }
}

TEST(Programs, CMakeFilesCallOnlyListedPrograms) {
  const QStringList files = sources([](const QString& path, const QString&) {
    return path.endsWith(QStringLiteral("CMakeLists.txt")) ||
           path.endsWith(QStringLiteral(".cmake"));
  });
  QSet<QString> targets;
  for (const QString& file : files) {
    targets += programscan::cmakeTargets(readText(kSource + u'/' + file));
  }
  const QSet<QString> listed = listedNames();
  for (const QString& file : files) {
    for (const QStringList& names :
         programscan::cmakePrograms(readText(kSource + u'/' + file), targets)) {
      if (std::none_of(names.begin(), names.end(),
                       [&](const QString& name) { return listed.contains(name); })) {
        ADD_FAILURE() << file.toStdString() << " runs "
                      << names.join(QStringLiteral(" or ")).toStdString()
                      << ", none of which is in scripts/programs.txt";
      }
    }
  }
}

}  // namespace

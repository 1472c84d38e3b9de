// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which Debian packages a program comes from, as dpkg knows it.
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace packageowner {

// The files a program stands for: the one PATH finds (or the absolute path
// itself), then each symbolic link's target in turn down to the real file,
// so that /usr/bin/awk leads through /etc/alternatives/awk to /usr/bin/mawk.
// Empty when the program is not installed.
[[nodiscard]] QStringList resolve(const QString& program);

// The packages that own any of the files, asked of dpkg in one call. A file
// is looked up under its /usr-merged twin too (/bin/sh and /usr/bin/sh), since
// dpkg knows it by the path its package ships.
[[nodiscard]] QSet<QString> owners(const QStringList& files);

// The installed packages marked Essential, which every Debian system has.
[[nodiscard]] QSet<QString> essentialPackages();

// The lines of a list file without comments ('#' to the end of the line) and
// blank lines, each trimmed.
[[nodiscard]] QStringList readList(const QString& path);

}  // namespace packageowner

// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Finds the programs that sources call, so that a tool added to a script, a
// CMake file or the C++ test harness cannot go unlisted in
// scripts/programs.txt. The readers are heuristics, tuned to err towards
// reporting a word rather than missing a program.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace programscan {

// The first word of each simple command of a bash script: past variable
// assignments, keywords (if, !, then, do ...) and wrappers that run their
// argument (exec, sudo, nice, timeout, env, xargs), inside $( ), backquotes
// and double quotes too. Builtins, words with a slash or an expansion and
// the contents of single quotes are left out. Functions are not: see below.
[[nodiscard]] QSet<QString> bashCommands(const QString& script);

// The functions a bash script defines ("name() {" or "function name").
[[nodiscard]] QSet<QString> bashFunctions(const QString& script);

// Program names given as string literals to QProcess (start, startDetached,
// execute, setProgram), the harness's runTool, the exec family, system,
// popen and QStandardPaths::findExecutable.
[[nodiscard]] QSet<QString> cppPrograms(const QString& source);

// The programs of a CMake file: each find_program() gives one group of
// alternative names (any one of them will do); each bare word after COMMAND
// that is not a target of the build gives a group of one.
[[nodiscard]] QList<QStringList> cmakePrograms(const QString& source, const QSet<QString>& targets);

// The targets a CMake file adds with add_executable or add_library.
[[nodiscard]] QSet<QString> cmakeTargets(const QString& source);

}  // namespace programscan

// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The readers that find the programs sources call: what counts as a call and
// what does not.
#include "programscan.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <ostream>

namespace {

QStringList sorted(const QSet<QString>& names) {
  QStringList list(names.begin(), names.end());
  list.sort();
  return list;
}

struct BashCase {
  const char* name;
  const char* script;
  QStringList commands;
};

// The case by its name, in the listing of tests and in failures.
void PrintTo(const BashCase& bashCase, std::ostream* out) {
  *out << bashCase.name;
}

class BashCommands : public ::testing::TestWithParam<BashCase> {};

TEST_P(BashCommands, AreTheFirstWordsOfCommands) {
  EXPECT_EQ(sorted(programscan::bashCommands(QString::fromUtf8(GetParam().script))),
            GetParam().commands);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, BashCommands,
    ::testing::Values(
        BashCase{
            "PipelinesAndLists", "a -x | b && c || d; e & f\n", {"a", "b", "c", "d", "e", "f"}},
        BashCase{"ArgumentsAndCommentsAreNot", "cmake -S . file # then grep\n", {"cmake"}},
        BashCase{"SubstitutionsInQuotes",
                 "x=\"$(od -An \"$f\" | tr -s ' ')\"\ncheck \"$(xdotool search)\"\n",
                 {"check", "od", "tr", "xdotool"}},
        BashCase{"SingleQuotesAreData", "echo 'rm -rf file'\ngrep -q 'a | sed'\n", {"grep"}},
        BashCase{"AssignmentsAndWrappers",
                 "HOME=/x LANG=C timeout 3 weston --idle\nexec nice -n 5 Xvfb :1\nsudo apt-get x\n",
                 {"Xvfb", "apt-get", "weston"}},
        BashCase{"ArrayWrapper", "as_root=(sudo)\n\"${as_root[@]}\" apt-get update\n", {"apt-get"}},
        BashCase{"KeywordsLeadToCommands",
                 "if ! dpkg-query -W p; then cpack; elif file x; then :; else strip y; fi\n"
                 "while read -r l; do seq 3; done <list\n",
                 {"cpack", "dpkg-query", "file", "seq", "strip"}},
        BashCase{"ForWordsAndTestsAreNot",
                 "for p in gcc ld; do echo; done\n[[ $(id -u) -ne 0 || x == cc ]] && mkdir d\n",
                 {"id", "mkdir"}},
        BashCase{"ContinuedLinesAndRedirections",
                 "Xvfb -displayfd 3 3>\"$fifo\" >/dev/null 2>&1 \\\n  cmp a b &\nxclip <in\n",
                 {"Xvfb", "xclip"}},
        BashCase{"ProcessSubstitutionAndArithmetic",
                 "read -r w < <(od -N8 f | awk '{print $1}')\n((n > 0)) && sleep 1\n"
                 "n=$((n + 1))\n",
                 {"awk", "od", "sleep"}},
        BashCase{"FunctionsPathsAndExpansions",
                 "fail() { echo \"$*\"; }\nfail x\n./test.sh\n\"$program\" --run\nscripts/a.sh\n",
                 {}},
        BashCase{
            "HeredocBodiesAreNot", "python3 - <<'PY'\nimport sys\nPY\ncat x\n", {"cat", "python3"}},
        BashCase{"CasePatternsAreNot",
                 "case $1 in\n  a) gzip x ;;\n  *) tar y ;;\nesac\n",
                 {"gzip", "tar"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BashFunctions, AreFoundInBothForms) {
  EXPECT_EQ(sorted(programscan::bashFunctions(
                QStringLiteral("wait_window() {\n  :\n}\nfunction keys {\n :\n}\nls\n"))),
            (QStringList{QStringLiteral("keys"), QStringLiteral("wait_window")}));
}

TEST(CppPrograms, AreTheLiteralProgramNamesOfProcessCalls) {
  const QString source = QStringLiteral(
      "runTool(QStringLiteral(\"xdotool\"), {});\n"
      "xclip.start(QStringLiteral(\"xclip\"), args);\n"
      "execlp(\"Xvfb\", \"Xvfb\", nullptr);\n"
      "QStandardPaths::findExecutable(QStringLiteral(\"xdg-open\"));\n"
      "process.start(program, {QStringLiteral(\"notAProgram\")});\n"
      "process_.start(QStringLiteral(TINTRA_BINARY), {});\n"
      "clock.start();\n");
  EXPECT_EQ(sorted(programscan::cppPrograms(source)),
            (QStringList{QStringLiteral("Xvfb"), QStringLiteral("xclip"),
                         QStringLiteral("xdg-open"), QStringLiteral("xdotool")}));
}

TEST(CMakePrograms, FindProgramGivesAlternativesAndCommandWordsThatAreNotTargets) {
  const QString source = QStringLiteral(
      "add_executable(fakeclipboardmanager main.cpp)\n"
      "find_program(WINDRES NAMES x86_64-w64-mingw32-windres windres DOC \"the compiler\")\n"
      "find_program(CPP cpp)\n"
      "add_test(NAME a COMMAND fakeclipboardmanager)\n"
      "add_test(NAME b COMMAND ${CMAKE_COMMAND} -P x.cmake)\n"
      "add_test(NAME c COMMAND ui_${test}_test)\n"
      "add_custom_target(d COMMAND weston --help)\n");
  const QList<QStringList> expected{
      {QStringLiteral("x86_64-w64-mingw32-windres"), QStringLiteral("windres")},
      {QStringLiteral("cpp")},
      {QStringLiteral("weston")}};
  EXPECT_EQ(programscan::cmakePrograms(source, programscan::cmakeTargets(source)), expected);
}

}  // namespace

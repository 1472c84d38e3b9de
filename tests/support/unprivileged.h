// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// The helpers below fork, change users and mount file systems, which Windows
// cannot. A test that needs them, or POSIX permissions, begins with this
// line: under Windows it is skipped and says why.
#ifdef _WIN32
#define TINTRA_LINUX_ONLY(reason) GTEST_SKIP() << "Linux only: " << (reason)
#else
#define TINTRA_LINUX_ONLY(reason) static_cast<void>(0)
#endif

namespace testing_support {

// Runs body in a child process, as the unprivileged user "nobody" when the
// tests run as root, so that file permissions apply to it. Returns the
// child's exit code (body's result), or -1 when the child did not finish.
int runUnprivileged(const std::function<int()>& body);

// Runs body in a child process, so that what it changes (limits, signal
// handling) ends with it. Returns body's result, or -1.
int runInChild(const std::function<int()>& body);

// Runs body in a child process with a mount namespace of its own, in which
// a tmpfs of sizeKiB is mounted on folder. Returns body's result, or -1 when
// no such mount can be made here (the caller then skips its test).
int runWithSmallDisk(const char* folder, int sizeKiB, const std::function<int()>& body);

}  // namespace testing_support

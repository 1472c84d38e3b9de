// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "unprivileged.h"

#ifdef _WIN32
// Never reached: the tests that use these are skipped on Windows.
namespace testing_support {
int runUnprivileged(const std::function<int()>& /*body*/) {
  return -1;
}
int runInChild(const std::function<int()>& /*body*/) {
  return -1;
}
int runWithSmallDisk(const char* /*folder*/, int /*sizeKiB*/,
                     const std::function<int()>& /*body*/) {
  return -1;
}
}  // namespace testing_support
#else
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace testing_support {
namespace {

constexpr uid_t kNobody = 65534;

int waitFor(pid_t child) {
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
    return -1;
  }
  return WEXITSTATUS(status);
}

}  // namespace

int runUnprivileged(const std::function<int()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    if (getuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
      _exit(255);
    }
    _exit(body());
  }
  return waitFor(child);
}

int runInChild(const std::function<int()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    _exit(body());
  }
  return waitFor(child);
}

int runWithSmallDisk(const char* folder, int sizeKiB, const std::function<int()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    const std::string options = "size=" + std::to_string(sizeKiB) + "k";
    if (unshare(CLONE_NEWNS) != 0 ||
        mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", folder, "tmpfs", 0, options.c_str()) != 0) {
      _exit(254);
    }
    _exit(body());
  }
  const int result = waitFor(child);
  return result == 254 ? -1 : result;
}

}  // namespace testing_support
#endif

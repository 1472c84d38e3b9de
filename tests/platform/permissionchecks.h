// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Root passes every file permission check through the CAP_DAC_OVERRIDE and
// CAP_DAC_READ_SEARCH capabilities. While one of these guards lives, both are
// left out of the calling thread's effective set, so a read-only folder is
// read-only to the test whoever runs it. Nothing changes for other users.
#pragma once

#ifndef __linux__
// Elsewhere the tests that need it are skipped (TINTRA_LINUX_ONLY).
class PermissionChecksEnforced {
 public:
  ~PermissionChecksEnforced() {}  // NOLINT(modernize-use-equals-default): not an unused variable
};
#else
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <array>

class PermissionChecksEnforced {
 public:
  PermissionChecksEnforced() {
    saved_ok_ = syscall(SYS_capget, &header_, saved_.data()) == 0;
    if (!saved_ok_) {
      return;
    }
    std::array<__user_cap_data_struct, 2> reduced = saved_;
    reduced[0].effective &= ~(1U << CAP_DAC_OVERRIDE | 1U << CAP_DAC_READ_SEARCH);
    syscall(SYS_capset, &header_, reduced.data());
  }
  ~PermissionChecksEnforced() {
    if (saved_ok_) {
      syscall(SYS_capset, &header_, saved_.data());
    }
  }
  PermissionChecksEnforced(const PermissionChecksEnforced&) = delete;
  PermissionChecksEnforced& operator=(const PermissionChecksEnforced&) = delete;

 private:
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  std::array<__user_cap_data_struct, 2> saved_{};
  bool saved_ok_ = false;
};
#endif

// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// AddressSanitizer keeps the stack of every allocation, each distinct stack
// once and for good. Its fast unwinder follows frame pointers, which Qt's
// libraries do not keep: past the function that called malloc (QArrayData's
// allocate, mostly) it reads stale stack slots as return addresses, so that
// nearly every input adds stacks that were never seen before, and a run of
// hundreds of thousands of inputs grows by gigabytes and slows down. Two
// frames, malloc and its caller, are what can be trusted; options given in
// ASAN_OPTIONS still apply on top.
// NOLINTNEXTLINE(bugprone-reserved-identifier): the name AddressSanitizer looks for
extern "C" const char* __asan_default_options() {
  return "malloc_context_size=2";
}

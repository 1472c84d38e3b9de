// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A way to know that a Qt program has handled everything sent to it so far,
// instead of sleeping and hoping: ping one of its windows (_NET_WM_PING,
// which Qt answers when it reaches the ping in its queue of X events) and
// wait for the answer. One ping only shows that the events before it were
// read; a second one, sent after the first answer, comes after whatever
// handling those events started (a window mapped and then given the focus,
// keys injected for later, a modal box opened).
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <functional>

namespace e2e {

class PingBarrier {
 public:
  // A connection of its own to $DISPLAY.
  PingBarrier();
  ~PingBarrier();
  PingBarrier(const PingBarrier&) = delete;
  PingBarrier& operator=(const PingBarrier&) = delete;

  // Pings the window's program twice. False when an answer did not come
  // within the time, when the window is gone, or once alive() turns false.
  bool pass(std::uint32_t window, int timeoutMs, const std::function<bool()>& alive);

 private:
  bool ping(std::uint32_t window, int timeoutMs, const std::function<bool()>& alive);
  xcb_atom_t atom(const char* name) const;

  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = 0;
  xcb_atom_t protocols_ = 0;
  xcb_atom_t pingAtom_ = 0;
  std::uint32_t serial_ = 0;
};

}  // namespace e2e

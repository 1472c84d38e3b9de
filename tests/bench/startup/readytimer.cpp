// SPDX-FileCopyrightText: The Tintra developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program under X and measures how long it takes until its window is
// on screen and ready for keys, and how much memory it has used by then.
//
//   bench_readytimer <title part> <program> [arguments...]
//   prints "<mapped ms> <ready ms> <peak KiB> <cpu ms>"
//
// Mapped: the first top-level window whose title contains <title part> is
// mapped. Ready: the program answers a _NET_WM_PING sent to that window, so its
// event loop runs and has handled everything the server sent before, the
// first expose and paint included. Peak: VmHWM of the process shortly after.
// CPU: the time all its threads had run on a processor when it was ready,
// which a busy machine disturbs less than the wall-clock times.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using EventPtr = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;

struct Atoms {
  xcb_atom_t protocols;
  xcb_atom_t ping;
  xcb_atom_t netWmName;
};

xcb_atom_t intern(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::string windowTitle(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
  std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(connection, cookie, nullptr), &std::free);
  if (!reply || reply->format != 8) {
    return {};
  }
  const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
  return std::string(text, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

void sendPing(xcb_connection_t* connection, const Atoms& atoms, xcb_window_t window) {
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = atoms.protocols;
  message.data.data32[0] = atoms.ping;
  message.data.data32[1] = XCB_CURRENT_TIME;
  message.data.data32[2] = window;
  xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
}

long peakKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) {
      return std::strtol(line.c_str() + 6, nullptr, 10);
    }
  }
  return -1;
}

// Sums the first field of every thread's schedstat: nanoseconds on a CPU.
double cpuMilliseconds(pid_t pid) {
  const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
  double nanoseconds = 0;
  std::error_code error;
  for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
    std::ifstream schedstat(task.path() / "schedstat");
    double onCpu = 0;
    if (schedstat >> onCpu) {
      nanoseconds += onCpu;
    }
  }
  return nanoseconds / 1e6;
}

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

pid_t launch(char** argv) {
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[0], argv);
    std::perror(argv[0]);
    _exit(127);
  }
  return pid;
}

struct Timing {
  double mapped = 0;
  double ready = 0;
  double cpu = 0;
};

// Waits for the window and the answer to the ping; nothing after 30 s.
std::optional<Timing> waitUntilReady(xcb_connection_t* connection, const Atoms& atoms,
                                     const std::string& titlePart, pid_t pid,
                                     Clock::time_point start) {
  Timing timing;
  xcb_window_t target = XCB_WINDOW_NONE;
  pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
  while (millisecondsSince(start) < 30000) {
    EventPtr event(xcb_poll_for_event(connection), &std::free);
    if (!event) {
      if (waitpid(pid, nullptr, WNOHANG) == pid) {
        std::fprintf(stderr, "the program ended before its window was ready\n");
        return std::nullopt;
      }
      poll(&watch, 1, 5);
      continue;
    }
    const int type = event->response_type & 0x7f;
    if (type == XCB_MAP_NOTIFY && target == XCB_WINDOW_NONE) {
      const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
      const std::string title = windowTitle(connection, map->window, atoms.netWmName);
      if (!map->override_redirect && title.find(titlePart) != std::string::npos) {
        timing.mapped = millisecondsSince(start);
        target = map->window;
        sendPing(connection, atoms, target);
      }
    } else if (type == XCB_CLIENT_MESSAGE && target != XCB_WINDOW_NONE) {
      const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event.get());
      if (message->type == atoms.protocols && message->data.data32[0] == atoms.ping &&
          message->data.data32[2] == target) {
        timing.ready = millisecondsSince(start);
        timing.cpu = cpuMilliseconds(pid);
        return timing;
      }
    }
  }
  std::fprintf(stderr, "no window titled \"...%s...\" became ready within 30 s\n",
               titlePart.c_str());
  return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <title part> <program> [arguments...]\n", argv[0]);
    return 2;
  }
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection) != 0) {
    std::fprintf(stderr, "cannot connect to the X display\n");
    return 2;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  // Maps of top-level windows, and the ping answer: Qt sends it to the root
  // window for clients that watch the root's structure.
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
  const Atoms atoms{intern(connection, "WM_PROTOCOLS"), intern(connection, "_NET_WM_PING"),
                    intern(connection, "_NET_WM_NAME")};
  xcb_flush(connection);

  const Clock::time_point start = Clock::now();
  const pid_t pid = launch(argv + 2);
  const std::optional<Timing> timing = waitUntilReady(connection, atoms, argv[1], pid, start);
  long peak = -1;
  if (timing) {
    // Let the first frame settle before reading the high-water mark.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    peak = peakKiB(pid);
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  xcb_disconnect(connection);
  if (!timing) {
    return 1;
  }
  std::printf("%.1f %.1f %ld %.1f\n", timing->mapped, timing->ready, peak, timing->cpu);
  return 0;
}

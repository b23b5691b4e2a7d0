// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Watching a program start on an X server: the time from exec to the first paint of
// its window, and its resident memory a while later.
//
// The watcher is an X client of its own. Before starting a program it asks the server
// for the creation of every top-level window and, as a window manager does, for the
// requests to map or move them; each new top-level window gets an X DAMAGE object at
// once, and is mapped only after that, so nothing can be drawn on it unseen. The first
// damage reported on any of them is the program's first paint. The resident set size
// is read from /proc/<pid>/status a fixed delay after that paint; then the program is
// ended.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/XErrors.h"

namespace aerolume::bench {

using StartClock = std::chrono::steady_clock;

inline double msBetween(StartClock::time_point from, StartClock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

struct RunResult {
    double firstPaintMs = 0;
    double mapMs = 0;
    double rssMiB = 0;
    // Processor time the program had used when its first paint was seen: unlike the
    // time on the wall, it hardly grows when other programs compete for the processor.
    double cpuMs = 0;
};

// Set when the server refuses the redirection of map requests to this client.
inline bool g_redirectRefused = false;
inline int refusedRedirect(Display*, XErrorEvent* error) {
    if (error->error_code == BadAccess) {
        g_redirectRefused = true;
    }
    return 0;
}

inline std::optional<double> residentMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            std::istringstream fields(line.substr(6));
            double kib = 0;
            fields >> kib;
            return kib / 1024.0;
        }
    }
    return std::nullopt;
}

// The processor time used so far by all threads of a process, from the scheduler's
// nanosecond counters (/proc/<pid>/task/<tid>/schedstat, first field).
inline double processorMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.') {
                continue;
            }
            std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
            double onCpu = 0;
            if (stat >> onCpu) {
                ns += onCpu;
            }
        }
        closedir(dir);
    }
    return ns / 1e6;
}

inline void endChild(pid_t pid) {
    kill(pid, SIGTERM);
    const auto deadline = StartClock::now() + std::chrono::seconds(2);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (StartClock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

class FirstPaintWatcher {
public:
    explicit FirstPaintWatcher(Display* display)
        : m_display(display), m_root(DefaultRootWindow(display)) {
        int errorBase = 0;
        if (!XDamageQueryExtension(m_display, &m_damageEvent, &errorBase)) {
            std::fprintf(stderr, "error: the X server has no DAMAGE extension\n");
            std::exit(2);
        }
        // Only one client may redirect the root's map requests: the display must be a
        // private one, without a window manager.
        g_redirectRefused = false;
        XSetErrorHandler(refusedRedirect);
        XSelectInput(m_display, m_root, SubstructureNotifyMask | SubstructureRedirectMask);
        XSync(m_display, False);
        XSetErrorHandler(ignoreXError);
        if (g_redirectRefused) {
            std::fprintf(stderr, "error: the display has a window manager; use a private Xvfb\n");
            std::exit(2);
        }
    }

    // Starts the program, waits for its first paint, reads its resident memory
    // `rssDelayMs` later and ends it. Nothing when it painted nothing in `timeoutMs`.
    std::optional<RunResult> run(const std::string& path, int rssDelayMs, int timeoutMs) {
        drain();
        const StartClock::time_point start = StartClock::now();
        const pid_t pid = fork();
        if (pid < 0) {
            std::perror("fork");
            return std::nullopt;
        }
        if (pid == 0) {
            const int quiet = open("/dev/null", O_WRONLY);
            if (quiet >= 0) {
                dup2(quiet, STDOUT_FILENO);
                dup2(quiet, STDERR_FILENO);
            }
            execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }

        std::optional<StartClock::time_point> mapped;
        std::optional<StartClock::time_point> painted;
        double cpuMs = 0;
        const auto deadline = start + std::chrono::milliseconds(timeoutMs);
        while (!painted) {
            if (XPending(m_display) == 0) {
                const int left = static_cast<int>(msBetween(StartClock::now(), deadline));
                if (left <= 0 || waitpid(pid, nullptr, WNOHANG) == pid) {
                    break;
                }
                pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
                poll(&fd, 1, std::min(left, 50));
                continue;
            }
            XEvent event;
            XNextEvent(m_display, &event);
            const StartClock::time_point now = StartClock::now();
            if (event.type == CreateNotify && event.xcreatewindow.parent == m_root) {
                // Should the window be on the screen already, creating the damage object
                // reports it damaged whole before anything was drawn: that report is
                // cleared at once and ignored by its serial number.
                m_damages.push_back(
                    XDamageCreate(m_display, event.xcreatewindow.window, XDamageReportNonEmpty));
                m_windows.push_back(event.xcreatewindow.window);
                m_armedSerials.push_back(NextRequest(m_display));
                XDamageSubtract(m_display, m_damages.back(), None, None);
                XFlush(m_display);
            } else if (event.type == MapRequest) {
                // Its damage object exists since its creation: the window may go on screen.
                XMapWindow(m_display, event.xmaprequest.window);
                XFlush(m_display);
            } else if (event.type == ConfigureRequest) {
                const XConfigureRequestEvent& request = event.xconfigurerequest;
                XWindowChanges changes{};
                changes.x = request.x;
                changes.y = request.y;
                changes.width = request.width;
                changes.height = request.height;
                changes.border_width = request.border_width;
                changes.sibling = request.above;
                changes.stack_mode = request.detail;
                XConfigureWindow(m_display, request.window,
                                 static_cast<unsigned>(request.value_mask), &changes);
                XFlush(m_display);
            } else if (event.type == MapNotify && !mapped && isWatched(event.xmap.window)) {
                mapped = now;
            } else if (event.type == m_damageEvent + XDamageNotify) {
                const auto* damage = reinterpret_cast<XDamageNotifyEvent*>(&event);
                const std::size_t index = indexOf(damage->drawable);
                if (index < m_windows.size() && event.xany.serial >= m_armedSerials[index]) {
                    if (std::getenv("STARTUP_BENCH_DEBUG")) {
                        std::fprintf(stderr, "damage 0x%lx area %dx%d+%d+%d geometry %dx%d\n",
                                     damage->drawable, damage->area.width, damage->area.height,
                                     damage->area.x, damage->area.y, damage->geometry.width,
                                     damage->geometry.height);
                    }
                    painted = now;
                    cpuMs = processorMs(pid);
                }
            }
        }

        std::optional<RunResult> result;
        if (painted) {
            std::this_thread::sleep_until(*painted + std::chrono::milliseconds(rssDelayMs));
            if (const auto rss = residentMiB(pid)) {
                result = RunResult{msBetween(start, *painted),
                                   mapped ? msBetween(start, *mapped) : 0.0, *rss, cpuMs};
            }
        } else {
            std::fprintf(stderr, "error: %s showed no painted window within %d ms\n", path.c_str(),
                         timeoutMs);
        }
        endChild(pid);
        for (const Damage damage : m_damages) {
            XDamageDestroy(m_display, damage);
        }
        m_damages.clear();
        m_windows.clear();
        m_armedSerials.clear();
        XSync(m_display, False);
        return result;
    }

private:
    std::size_t indexOf(Window window) const {
        return static_cast<std::size_t>(std::find(m_windows.begin(), m_windows.end(), window) -
                                        m_windows.begin());
    }
    bool isWatched(Window window) const { return indexOf(window) < m_windows.size(); }

    void drain() {
        XSync(m_display, False);
        while (XPending(m_display) > 0) {
            XEvent event;
            XNextEvent(m_display, &event);
        }
    }

    Display* m_display;
    Window m_root;
    int m_damageEvent = 0;
    std::vector<Damage> m_damages;
    std::vector<Window> m_windows;
    std::vector<unsigned long> m_armedSerials;
};

}  // namespace aerolume::bench

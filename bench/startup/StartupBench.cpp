// Start-up benchmark: how long a program takes from exec to the first paint of its
// window on the X server, and how much memory it holds one second later.
//
// It is an X client of its own. Before starting a program it asks the server for the
// creation of every top-level window and, as a window manager does, for the requests to
// map or move them; each new top-level window gets an X DAMAGE object at once, and is
// mapped only after that, so nothing can be drawn on it unseen. The first damage
// reported on any of them is the program's first paint. The resident set size is read
// from /proc/<pid>/status a fixed delay after that paint; then the program is ended.
// Programs are run in alternating order, round after round, and the medians compared
// with those of the first program given (the reference).

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/Stats.h"

namespace {

using aerolume::bench::loadAverage;
using aerolume::bench::median;
using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

struct Program {
    std::string label;
    std::string path;
    std::vector<double> firstPaintMs;
    std::vector<double> mapMs;
    std::vector<double> rssMiB;
};

struct RunResult {
    double firstPaintMs = 0;
    double mapMs = 0;
    double rssMiB = 0;
};

struct Options {
    int runs = 21;
    int warmup = 2;
    int rssDelayMs = 1000;
    int timeoutMs = 10000;
    double maxRatio = 1.05;
    std::vector<Program> programs;
};

// Windows die while requests about them are on the way; such errors are expected.
int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

// Set when the server refuses the redirection of map requests to this client.
bool g_redirectRefused = false;
int refusedRedirect(Display*, XErrorEvent* error) {
    if (error->error_code == BadAccess) {
        g_redirectRefused = true;
    }
    return 0;
}

std::optional<double> residentMiB(pid_t pid) {
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

void endChild(pid_t pid) {
    kill(pid, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(2);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

class Watcher {
public:
    explicit Watcher(Display* display) : m_display(display), m_root(DefaultRootWindow(display)) {
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

    std::optional<RunResult> run(const std::string& path, const Options& options) {
        drain();
        const Clock::time_point start = Clock::now();
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

        std::optional<Clock::time_point> mapped;
        std::optional<Clock::time_point> painted;
        const auto deadline = start + std::chrono::milliseconds(options.timeoutMs);
        while (!painted) {
            if (XPending(m_display) == 0) {
                const int left = static_cast<int>(msBetween(Clock::now(), deadline));
                if (left <= 0 || waitpid(pid, nullptr, WNOHANG) == pid) {
                    break;
                }
                pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
                poll(&fd, 1, std::min(left, 50));
                continue;
            }
            XEvent event;
            XNextEvent(m_display, &event);
            const Clock::time_point now = Clock::now();
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
                }
            }
        }

        std::optional<RunResult> result;
        if (painted) {
            std::this_thread::sleep_until(*painted + std::chrono::milliseconds(options.rssDelayMs));
            if (const auto rss = residentMiB(pid)) {
                result = RunResult{msBetween(start, *painted),
                                   mapped ? msBetween(start, *mapped) : 0.0, *rss};
            }
        } else {
            std::fprintf(stderr, "error: %s showed no painted window within %d ms\n", path.c_str(),
                         options.timeoutMs);
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

void usage() {
    std::fprintf(
        stderr,
        "usage: aerolume-startup-bench [--runs N] [--warmup N] [--rss-delay-ms MS]\n"
        "                              [--timeout-ms MS] [--max-ratio R] LABEL=PROGRAM...\n"
        "The first program is the reference; DISPLAY names the X server.\n");
    std::exit(2);
}

Options parse(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto number = [&](int& into) {
            if (i + 1 >= argc) {
                usage();
            }
            into = std::atoi(argv[++i]);
        };
        if (arg == "--runs") {
            number(options.runs);
        } else if (arg == "--warmup") {
            number(options.warmup);
        } else if (arg == "--rss-delay-ms") {
            number(options.rssDelayMs);
        } else if (arg == "--timeout-ms") {
            number(options.timeoutMs);
        } else if (arg == "--max-ratio" && i + 1 < argc) {
            options.maxRatio = std::atof(argv[++i]);
        } else if (const auto eq = arg.find('='); eq != std::string::npos && eq > 0) {
            options.programs.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}, {}, {}});
        } else {
            usage();
        }
    }
    if (options.programs.empty() || options.runs < 1) {
        usage();
    }
    return options;
}

}  // namespace

int main(int argc, char* argv[]) {
    Options options = parse(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "error: cannot open the X display %s\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "(DISPLAY unset)");
        return 2;
    }
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    XSetErrorHandler(ignoreXError);
    Watcher watcher(display);

    const std::string loadBefore = loadAverage();
    const std::size_t count = options.programs.size();
    // Paired ratios: each program against the reference in the same round.
    std::vector<std::vector<double>> paintRatios(count), rssRatios(count);
    int failures = 0;
    for (int round = -options.warmup; round < options.runs; ++round) {
        std::vector<std::optional<RunResult>> results(count);
        for (std::size_t k = 0; k < count; ++k) {
            // Alternate the order from round to round so neither program always goes first.
            const std::size_t i = (round % 2 == 0) ? k : count - 1 - k;
            results[i] = watcher.run(options.programs[i].path, options);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        if (round < 0) {
            continue;
        }
        for (std::size_t i = 0; i < count; ++i) {
            if (!results[i]) {
                ++failures;
                continue;
            }
            options.programs[i].firstPaintMs.push_back(results[i]->firstPaintMs);
            options.programs[i].mapMs.push_back(results[i]->mapMs);
            options.programs[i].rssMiB.push_back(results[i]->rssMiB);
            if (results[0]) {
                paintRatios[i].push_back(results[i]->firstPaintMs / results[0]->firstPaintMs);
                rssRatios[i].push_back(results[i]->rssMiB / results[0]->rssMiB);
            }
        }
        if (round >= 0 && isatty(STDERR_FILENO)) {
            std::fprintf(stderr, "\rstart-up: round %d of %d", round + 1, options.runs);
        }
    }
    if (isatty(STDERR_FILENO)) {
        std::fprintf(stderr, "\n");
    }

    const Program& reference = options.programs[0];
    const double referencePaint = median(reference.firstPaintMs);
    const double referenceRss = median(reference.rssMiB);
    std::printf(
        "Start-up under Xvfb, %d alternating runs of each program (after %d warm-up "
        "rounds), medians\n",
        options.runs, options.warmup);
    std::printf("load average before: %s, after: %s\n\n", loadBefore.c_str(),
                loadAverage().c_str());
    std::printf("%-22s %13s %17s %9s %11s %12s %11s\n", "program", "first paint", "(min .. max)",
                "mapped", "RSS +1 s", "paint ratio", "RSS ratio");
    for (std::size_t i = 0; i < count; ++i) {
        const Program& p = options.programs[i];
        const auto [low, high] = std::minmax_element(p.firstPaintMs.begin(), p.firstPaintMs.end());
        const double paint = median(p.firstPaintMs);
        const double rss = median(p.rssMiB);
        char range[40] = "-";
        if (low != p.firstPaintMs.end()) {
            std::snprintf(range, sizeof range, "(%.1f .. %.1f)", *low, *high);
        }
        std::printf("%-22s %10.1f ms %17s %6.1f ms %7.1f MiB %12.3f %11.3f\n", p.label.c_str(),
                    paint, range, median(p.mapMs), rss,
                    referencePaint > 0 ? paint / referencePaint : 0.0,
                    referenceRss > 0 ? rss / referenceRss : 0.0);
    }
    if (count > 1) {
        std::printf("\nmedian of the per-round ratios to %s:\n", reference.label.c_str());
        for (std::size_t i = 1; i < count; ++i) {
            std::printf("  %-20s first paint %.3f, RSS %.3f\n", options.programs[i].label.c_str(),
                        median(paintRatios[i]), median(rssRatios[i]));
        }
    }
    bool missed = false;
    if (count > 1) {
        std::printf("\ntargets, from the medians of this run (at most %.2f times %s):\n",
                    options.maxRatio, reference.label.c_str());
        for (std::size_t i = 1; i < count; ++i) {
            const Program& p = options.programs[i];
            const double paint = referencePaint > 0 ? median(p.firstPaintMs) / referencePaint : 0;
            const double rss = referenceRss > 0 ? median(p.rssMiB) / referenceRss : 0;
            const bool paintMet = paint > 0 && paint <= options.maxRatio;
            const bool rssMet = rss > 0 && rss <= options.maxRatio;
            missed = missed || !paintMet || !rssMet;
            std::printf("  %-20s first paint %.3f %s, resident memory %.3f %s\n", p.label.c_str(),
                        paint, paintMet ? "met" : "NOT met", rss, rssMet ? "met" : "NOT met");
        }
    }
    if (failures > 0) {
        std::printf("\n%d run(s) failed and are left out\n", failures);
    }
    XCloseDisplay(display);
    return failures > 0 ? 1 : (missed ? 3 : 0);
}

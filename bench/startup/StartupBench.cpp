// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up benchmark: how long programs take from exec to the first paint of their
// window on the X server, and how much memory they hold one second later (see
// FirstPaint.h for how it is seen). Programs are run in alternating order, round after
// round. Each run is divided by the reference's run of the same round (the first program
// given), and the target judged on the median of these ratios with its 95 % interval: met
// when the whole interval is within it, missed when the whole interval is beyond it, and
// left open when the spread of the runs is larger than the margin.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "FirstPaint.h"
#include "support/Stats.h"

namespace {

using aerolume::bench::FirstPaintWatcher;
using aerolume::bench::ignoreXError;
using aerolume::bench::loadAverage;
using aerolume::bench::median;
using aerolume::bench::medianInterval;
using aerolume::bench::RunResult;

struct Program {
    std::string label;
    std::string path;
    std::vector<double> firstPaintMs;
    std::vector<double> mapMs;
    std::vector<double> rssMiB;
    std::vector<double> cpuMs;
};

struct Options {
    int runs = 21;
    int warmup = 2;
    int rssDelayMs = 1000;
    int timeoutMs = 10000;
    double maxRatio = 1.05;
    std::vector<Program> programs;
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
            options.programs.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}, {}, {}, {}});
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
    FirstPaintWatcher watcher(display);

    const std::string loadBefore = loadAverage();
    const std::size_t count = options.programs.size();
    // Paired ratios: each program against the reference in the same round.
    std::vector<std::vector<double>> paintRatios(count), cpuRatios(count), rssRatios(count);
    int failures = 0;
    for (int round = -options.warmup; round < options.runs; ++round) {
        std::vector<std::optional<RunResult>> results(count);
        for (std::size_t k = 0; k < count; ++k) {
            // Alternate the order from round to round so neither program always goes first.
            const std::size_t i = (round % 2 == 0) ? k : count - 1 - k;
            results[i] =
                watcher.run(options.programs[i].path, options.rssDelayMs, options.timeoutMs);
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
            options.programs[i].cpuMs.push_back(results[i]->cpuMs);
            if (results[0]) {
                paintRatios[i].push_back(results[i]->firstPaintMs / results[0]->firstPaintMs);
                rssRatios[i].push_back(results[i]->rssMiB / results[0]->rssMiB);
                cpuRatios[i].push_back(results[i]->cpuMs / results[0]->cpuMs);
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
    const double referenceCpu = median(reference.cpuMs);
    auto ratio = [](double value, double to) { return to > 0 ? value / to : 0.0; };
    std::printf("%-18s %11s %16s %10s %11s %12s   %s\n", "program", "first paint", "(min .. max)",
                "mapped", "CPU to it", "RSS +1 s", "ratios: paint   CPU   RSS");
    for (std::size_t i = 0; i < count; ++i) {
        const Program& p = options.programs[i];
        const auto [low, high] = std::minmax_element(p.firstPaintMs.begin(), p.firstPaintMs.end());
        const double paint = median(p.firstPaintMs);
        const double cpu = median(p.cpuMs);
        const double rss = median(p.rssMiB);
        char range[40] = "-";
        if (low != p.firstPaintMs.end()) {
            std::snprintf(range, sizeof range, "(%.1f .. %.1f)", *low, *high);
        }
        std::printf("%-18s %8.1f ms %16s %7.1f ms %8.1f ms %8.1f MiB   %12.3f %5.3f %5.3f\n",
                    p.label.c_str(), paint, range, median(p.mapMs), cpu, rss,
                    ratio(paint, referencePaint), ratio(cpu, referenceCpu),
                    ratio(rss, referenceRss));
    }
    std::printf(
        "\nfirst paint: from exec to the first drawing seen on the server; mapped: to the map of "
        "the window;\nCPU to it: processor time the program had used by its first paint (all "
        "its threads), which\nother programs' load barely changes; RSS: resident memory one "
        "second after the first paint.\n");
    bool missed = false;
    bool open = false;
    if (count > 1) {
        std::printf(
            "\nratios to %s in the same round, median and its 95 %% interval (target: at "
            "most %.2f):\n",
            reference.label.c_str(), options.maxRatio);
        for (std::size_t i = 1; i < count; ++i) {
            const auto paint = medianInterval(paintRatios[i]);
            const auto cpu = medianInterval(cpuRatios[i]);
            const auto rss = medianInterval(rssRatios[i]);
            std::printf(
                "  %-20s first paint %.3f (%.3f .. %.3f), processor time %.3f (%.3f .. %.3f), "
                "resident memory %.3f (%.3f .. %.3f)\n",
                options.programs[i].label.c_str(), median(paintRatios[i]), paint.low, paint.high,
                median(cpuRatios[i]), cpu.low, cpu.high, median(rssRatios[i]), rss.low, rss.high);
            for (const auto& [what, interval] :
                 {std::pair{"first paint", paint}, std::pair{"resident memory", rss}}) {
                const char* verdict = "met";
                if (!interval.covers ||
                    (interval.low <= options.maxRatio && interval.high > options.maxRatio)) {
                    verdict =
                        "not decided: the runs spread wider than the margin; run more "
                        "rounds (--runs)";
                    open = true;
                } else if (interval.low > options.maxRatio) {
                    verdict = "NOT met";
                    missed = true;
                }
                std::printf("  %-20s %s: %s\n", "", what, verdict);
            }
        }
    }
    if (failures > 0) {
        std::printf("\n%d run(s) failed and are left out\n", failures);
    }
    XCloseDisplay(display);
    return failures > 0 ? 1 : (missed || open ? 3 : 0);
}

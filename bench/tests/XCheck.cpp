// SPDX-License-Identifier: GPL-3.0-or-later
// Checks, on a real X server, that the benchmarks see a window's first paint and not
// something earlier: bench/run runs them on its Xvfb before it measures.

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>

// Xlib's macros clash with Qt's names: after every Qt header.
#include <xcb/xcb.h>

#include "startup/FirstPaint.h"
#include "windows/DamageWaiter.h"

namespace aerolume::bench {
namespace {

using Clock = std::chrono::steady_clock;

class StartupWatcher : public ::testing::Test {
protected:
    void SetUp() override {
        m_display = XOpenDisplay(nullptr);
        ASSERT_NE(m_display, nullptr);
        XSetErrorHandler(ignoreXError);
    }
    void TearDown() override {
        unsetenv("LATE_PAINTER_MS");
        unsetenv("LATE_PAINTER_MIB");
        if (m_display != nullptr) {
            XCloseDisplay(m_display);
        }
    }
    Display* m_display = nullptr;
};

TEST_F(StartupWatcher, SeesTheFirstDrawingNotTheMap) {
    setenv("LATE_PAINTER_MS", "150", 1);
    setenv("LATE_PAINTER_MIB", "16", 1);
    FirstPaintWatcher watcher(m_display);
    const std::optional<RunResult> run = watcher.run(LATE_PAINTER, 100, 5000);
    ASSERT_TRUE(run.has_value());
    EXPECT_GE(run->firstPaintMs, 150);
    EXPECT_GT(run->mapMs, 0);
    EXPECT_GE(run->firstPaintMs - run->mapMs, 140);
    EXPECT_GE(run->rssMiB, 16);
    // Touching 16 MiB takes processor time; waiting 150 ms for the drawing takes none.
    EXPECT_GT(run->cpuMs, 0.5);
    EXPECT_LT(run->cpuMs, 100);
}

TEST_F(StartupWatcher, ReportsNothingForAWindowNeverDrawn) {
    setenv("LATE_PAINTER_MS", "-1", 1);
    FirstPaintWatcher watcher(m_display);
    EXPECT_FALSE(watcher.run(LATE_PAINTER, 100, 500).has_value());
}

TEST_F(StartupWatcher, EveryRunIsSeen) {
    setenv("LATE_PAINTER_MS", "0", 1);
    setenv("LATE_PAINTER_MIB", "1", 1);
    FirstPaintWatcher watcher(m_display);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(watcher.run(LATE_PAINTER, 10, 5000).has_value()) << "run " << i;
    }
}

// A window whose painting takes a known time.
class SlowWidget final : public QWidget {
public:
    std::optional<Clock::time_point> paintStarted;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!paintStarted) {
            paintStarted = Clock::now();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        QPainter(this).fillRect(rect(), Qt::darkRed);
    }
};

TEST(DamageWaiterCheck, SeesThePaintOfAWindowAlreadyOnTheScreen) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    XSetErrorHandler(ignoreXError);
    DamageWaiter damage(display);
    ASSERT_TRUE(damage.ok());

    SlowWidget widget;
    widget.resize(200, 100);
    widget.show();
    // Put the window on the screen before watching it, as a click that shows a window
    // and then runs on may: the watch must still wait for the program's drawing.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_NE(x11, nullptr);
    xcb_flush(x11->connection());
    XSync(display, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_FALSE(widget.paintStarted.has_value());

    damage.watch(widget.winId());
    const auto painted = damage.wait(5000);
    ASSERT_TRUE(painted.has_value());
    ASSERT_TRUE(widget.paintStarted.has_value());
    const double afterPaintMs =
        std::chrono::duration<double, std::milli>(*painted - *widget.paintStarted).count();
    EXPECT_GE(afterPaintMs, 60);
    XCloseDisplay(display);
}

}  // namespace
}  // namespace aerolume::bench

int main(int argc, char* argv[]) {
    if (std::getenv("DISPLAY") == nullptr) {
        std::fprintf(stderr, "error: the X checks need an X server (DISPLAY)\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

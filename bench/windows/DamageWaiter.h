// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Waiting, inside a Qt program, for a window of the program's own to be painted on the
// X server: an X DAMAGE object on the window, read on a connection of its own while
// the program's event loop runs.
//
// Xlib's macros (Bool, None, Status...) clash with Qt's names: include this header
// after every Qt header.

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <optional>

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include "support/XErrors.h"

namespace aerolume::bench {

class DamageWaiter {
public:
    explicit DamageWaiter(Display* display) : m_display(display) {
        int errorBase = 0;
        m_ok = XDamageQueryExtension(m_display, &m_eventBase, &errorBase) != 0;
    }
    bool ok() const { return m_ok; }

    // Starts watching a window: call before the program can paint it. A window that is
    // already on the screen counts as damaged whole when the damage object is created;
    // that report, made before the program drew anything, is cleared and ignored.
    void watch(WId window) {
        m_window = static_cast<Window>(window);
        m_damage = XDamageCreate(m_display, m_window, XDamageReportNonEmpty);
        m_armedSerial = NextRequest(m_display);
        XDamageSubtract(m_display, m_damage, 0, 0);
        XSync(m_display, False);
    }

    // Runs the program's event loop until the watched window is damaged.
    std::optional<std::chrono::steady_clock::time_point> wait(int timeoutMs) {
        std::optional<std::chrono::steady_clock::time_point> seen;
        QEventLoop loop;
        auto read = [&] {
            while (!seen && XPending(m_display) > 0) {
                XEvent event;
                XNextEvent(m_display, &event);
                if (event.type == m_eventBase + XDamageNotify &&
                    reinterpret_cast<XDamageNotifyEvent*>(&event)->drawable == m_window &&
                    event.xany.serial >= m_armedSerial) {
                    seen = std::chrono::steady_clock::now();
                }
            }
            if (seen) {
                loop.quit();
            }
        };
        QSocketNotifier notifier(ConnectionNumber(m_display), QSocketNotifier::Read);
        QObject::connect(&notifier, &QSocketNotifier::activated, &loop, read);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        read();
        if (!seen) {
            loop.exec();
        }
        XDamageDestroy(m_display, m_damage);
        XSync(m_display, False);
        while (XPending(m_display) > 0) {
            XEvent event;
            XNextEvent(m_display, &event);
        }
        return seen;
    }

private:
    Display* m_display;
    bool m_ok = false;
    int m_eventBase = 0;
    Window m_window = 0;
    Damage m_damage = 0;
    unsigned long m_armedSerial = 0;
};

}  // namespace aerolume::bench

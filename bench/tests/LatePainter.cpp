// SPDX-License-Identifier: GPL-3.0-or-later
// A test program for the start-up watcher: an X client that maps a window, waits a
// known time and only then draws into it, holding a known amount of memory meanwhile.
//   LATE_PAINTER_MS   how long to wait after the map before drawing (default 150;
//                     negative: never draw)
//   LATE_PAINTER_MIB  memory to allocate and touch before mapping (default 16)

#include <X11/Xlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

int main() {
    const char* delay = std::getenv("LATE_PAINTER_MS");
    const char* mib = std::getenv("LATE_PAINTER_MIB");
    const int delayMs = delay != nullptr ? std::atoi(delay) : 150;
    const std::size_t bytes = static_cast<std::size_t>(mib != nullptr ? std::atoi(mib) : 16) << 20;
    std::vector<char> held(bytes);
    std::memset(held.data(), 1, held.size());

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return 1;
    }
    const int screen = DefaultScreen(display);
    XSetWindowAttributes attributes{};
    attributes.background_pixmap = None;  // as toolkits do: the server paints nothing
    attributes.event_mask = ExposureMask | StructureNotifyMask;
    const Window window =
        XCreateWindow(display, RootWindow(display, screen), 0, 0, 200, 100, 0, CopyFromParent,
                      InputOutput, CopyFromParent, CWBackPixmap | CWEventMask, &attributes);
    XMapWindow(display, window);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            break;
        }
    }
    if (delayMs >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        const GC gc = XCreateGC(display, window, 0, nullptr);
        XSetForeground(display, gc, BlackPixel(display, screen));
        XFillRectangle(display, window, gc, 0, 0, 200, 100);
        XFlush(display);
    }
    for (;;) {
        pause();  // until the watcher ends it
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "ProgramRegistry.h"

namespace aerolume::test {

std::unique_ptr<WindowRegistry> programWindows() {
    auto registry = std::make_unique<WindowRegistry>();
    registry->setEndProgram([] {});
    registerProgramWindows(*registry);
    return registry;
}

void settleEvents() {
    // A loop that waits for events, as the program's does, and leaves once nothing
    // more is pending.
    // Twice: what the first round did (a window resized) is laid out in the second.
    for (int round = 0; round < 2; ++round) {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
        QCoreApplication::sendPostedEvents();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace aerolume::test

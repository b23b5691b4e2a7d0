#include "ProgramWindows.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "airdata/DaltWindow.h"
#include "airdata/SpeedWindow.h"
#include "conversions/ConvertWindow.h"
#include "loading/WBWindow.h"
#include "navigation/LatLongWindow.h"
#include "navigation/PPNavWindow.h"
#include "navigation/WindWindow.h"
#include "shell/AboutWindow.h"
#include "shell/LauncherWindow.h"
#include "shell/SurpriseWindow.h"

namespace aerolume::test {

std::unique_ptr<WindowRegistry> programWindows() {
    auto registry = std::make_unique<WindowRegistry>();
    registry->setEndProgram([] {});
    registry->registerWindow(QStringLiteral("Main"),
                             [](WindowRegistry& r) { return new LauncherWindow(r); });
    registry->registerWindow(QStringLiteral("Wind"),
                             [](WindowRegistry& r) { return new WindWindow(r); });
    registry->registerWindow(QStringLiteral("Dalt"),
                             [](WindowRegistry& r) { return new DaltWindow(r); });
    registry->registerWindow(QStringLiteral("Speed"),
                             [](WindowRegistry& r) { return new SpeedWindow(r); });
    registry->registerWindow(QStringLiteral("PPNav"),
                             [](WindowRegistry& r) { return new PPNavWindow(r); });
    registry->registerWindow(QStringLiteral("LatLong"),
                             [](WindowRegistry& r) { return new LatLongWindow(r); });
    registry->registerWindow(QStringLiteral("WB"),
                             [](WindowRegistry& r) { return new WBWindow(r); });
    registry->registerWindow(QStringLiteral("Convert"),
                             [](WindowRegistry& r) { return new ConvertWindow(r); });
    registry->registerWindow(QStringLiteral("About"),
                             [](WindowRegistry& r) { return new AboutWindow(r); });
    registry->registerWindow(QStringLiteral("Surprise"),
                             [](WindowRegistry&) { return new SurpriseWindow; });
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

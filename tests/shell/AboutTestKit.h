#pragma once

// What the About and credits tests share: a program with both windows registered, and
// a real tick of a running timer without waiting for it.

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>

#include "shell/AboutWindow.h"
#include "shell/SurpriseWindow.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {

inline std::vector<std::pair<QString, WindowRegistry::Factory>> aboutWindows() {
    return {{QStringLiteral("About"), [](WindowRegistry& r) { return new AboutWindow(r); }},
            {QStringLiteral("Surprise"), [](WindowRegistry&) { return new SurpriseWindow; }}};
}

// Delivers one tick of a running timer as its event loop would: the timer emits its
// timeout and the connected handler runs. A stopped timer has nothing to deliver.
inline void tick(QTimer* timer) {
    ASSERT_NE(timer, nullptr);
    ASSERT_TRUE(timer->isActive()) << timer->objectName().toStdString() << " is disabled";
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

inline QTimer* timer(const QWidget* window, const QString& name) {
    return child<QTimer>(window, name);
}

}  // namespace aerolume::test

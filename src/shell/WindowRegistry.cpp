// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowRegistry.h"

#include <QCoreApplication>
#include <QEvent>

namespace aerolume {

WindowRegistry::WindowRegistry() : m_endProgram([] { QCoreApplication::exit(0); }) {}

void WindowRegistry::registerWindow(const QString& name, Factory factory) {
    m_factories.emplace(name, std::move(factory));
}

bool WindowRegistry::isRegistered(const QString& name) const {
    return m_factories.contains(name);
}

QWidget* WindowRegistry::window(const QString& name) const {
    const auto it = m_windows.constFind(name);
    return it == m_windows.constEnd() ? nullptr : it->data();
}

QWidget* WindowRegistry::show(const QString& name) {
    QWidget* widget = window(name);
    if (widget == nullptr) {
        const auto factory = m_factories.constFind(name);
        if (factory == m_factories.constEnd()) {
            return nullptr;
        }
        widget = (*factory)(*this);
        widget->setObjectName(name);
        widget->setAttribute(Qt::WA_DeleteOnClose);
        widget->installEventFilter(this);
        m_windows.insert(name, widget);
    }
    widget->show();
    widget->raise();
    widget->activateWindow();
    return widget;
}

QWidget* WindowRegistry::showFrom(const QString& name, QWidget* opener) {
    QWidget* widget = show(name);
    if (widget == nullptr || widget == opener) {
        return widget;
    }
    m_openers.insert(widget, opener);
    opener->hide();
    return widget;
}

QWidget* WindowRegistry::openerOf(const QWidget* window) const {
    return m_openers.value(window).data();
}

void WindowRegistry::showAfterClose(const QWidget* window) {
    QWidget* opener = m_openers.take(window).data();
    if (opener == nullptr) {
        show(QStringLiteral("Main"));
        return;
    }
    opener->show();
    opener->raise();
    opener->activateWindow();
}

void WindowRegistry::unload(const QString& name) {
    if (QWidget* widget = window(name)) {
        widget->close();
    }
}

void WindowRegistry::endProgram() {
    m_endProgram();
}

bool WindowRegistry::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Close) {
        return false;
    }
    // The window handles its close here, once; Qt then reads the verdict from the event.
    watched->event(event);
    if (event->isAccepted()) {
        for (auto it = m_windows.begin(); it != m_windows.end(); ++it) {
            if (it->data() == watched) {
                m_windows.erase(it);
                break;
            }
        }
    }
    return true;
}

}  // namespace aerolume

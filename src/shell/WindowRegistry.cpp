#include "WindowRegistry.h"

#include <QCoreApplication>

namespace aerolume {

WindowRegistry::WindowRegistry() : m_endProgram([] { QCoreApplication::exit(0); }) {}

void WindowRegistry::registerWindow(const QString& name, Factory factory) {
    m_factories.insert(name, std::move(factory));
}

bool WindowRegistry::isRegistered(const QString& name) const { return m_factories.contains(name); }

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
        m_windows.insert(name, widget);
    }
    widget->show();
    widget->raise();
    widget->activateWindow();
    return widget;
}

void WindowRegistry::unload(const QString& name) {
    if (QWidget* widget = window(name)) {
        widget->close();
    }
}

void WindowRegistry::endProgram() { m_endProgram(); }

}  // namespace aerolume

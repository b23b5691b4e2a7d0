#include <QApplication>

#include "navigation/WindWindow.h"
#include "shell/LauncherWindow.h"
#include "shell/WindowRegistry.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Aerolume"));
    QApplication::setApplicationVersion(QStringLiteral("1.04"));

    aerolume::WindowRegistry registry;
    // Every window the launcher can open, by name.
    registry.registerWindow(QStringLiteral("Main"),
                            [](aerolume::WindowRegistry& r) { return new aerolume::LauncherWindow(r); });
    registry.registerWindow(QStringLiteral("Wind"),
                            [](aerolume::WindowRegistry& r) { return new aerolume::WindWindow(r); });

    registry.show(QStringLiteral("Main"));
    return QApplication::exec();
}

#include <QApplication>

#include "aerolume/Version.h"

#include "airdata/DaltWindow.h"
#include "airdata/SpeedWindow.h"
#include "conversions/ConvertWindow.h"
#include "loading/WBWindow.h"
#include "navigation/LatLongWindow.h"
#include "navigation/PPNavWindow.h"
#include "navigation/WindWindow.h"
#include "shell/AboutWindow.h"
#include "shell/Artwork.h"
#include "shell/LauncherWindow.h"
#include "shell/SurpriseWindow.h"
#include "shell/WindowRegistry.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The version record; the desktop entry is the one the package installs.
    QApplication::setApplicationName(QString::fromUtf8(aerolume::version::kProductName));
    QApplication::setApplicationVersion(QString::fromUtf8(aerolume::version::kVersionString));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.aerolume.Aerolume"));
    QApplication::setWindowIcon(aerolume::art::programIcon());

    aerolume::WindowRegistry registry;
    // Every window the launcher can open, by name.
    registry.registerWindow(QStringLiteral("Main"),
                            [](aerolume::WindowRegistry& r) { return new aerolume::LauncherWindow(r); });
    registry.registerWindow(QStringLiteral("Wind"),
                            [](aerolume::WindowRegistry& r) { return new aerolume::WindWindow(r); });
    registry.registerWindow(QStringLiteral("LatLong"),
                            [](aerolume::WindowRegistry& r) { return new aerolume::LatLongWindow(r); });
    registry.registerWindow(QStringLiteral("PPNav"),
                            [](aerolume::WindowRegistry& r) { return new aerolume::PPNavWindow(r); });
    registry.registerWindow(QStringLiteral("WB"),
                            [](aerolume::WindowRegistry& r) { return new aerolume::WBWindow(r); });
    registry.registerWindow(QStringLiteral("About"),
                            [](aerolume::WindowRegistry& r) { return new aerolume::AboutWindow(r); });
    registry.registerWindow(QStringLiteral("Surprise"),
                            [](aerolume::WindowRegistry&) { return new aerolume::SurpriseWindow; });
    registry.registerWindow(QStringLiteral("Convert"),
                            [](aerolume::WindowRegistry& r) { return new aerolume::ConvertWindow(r); });
    registry.registerWindow(QStringLiteral("Dalt"),
                            [](aerolume::WindowRegistry& r) { return new aerolume::DaltWindow(r); });
    registry.registerWindow(QStringLiteral("Speed"),
                            [](aerolume::WindowRegistry& r) { return new aerolume::SpeedWindow(r); });

    registry.show(QStringLiteral("Main"));
    return QApplication::exec();
}

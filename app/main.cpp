#include <QApplication>

#include "ProgramRegistry.h"
#include "aerolume/Version.h"
#include "shell/Artwork.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The version record; the desktop entry is the one the package installs.
    QApplication::setApplicationName(QString::fromUtf8(aerolume::version::kProductName));
    QApplication::setApplicationVersion(QString::fromUtf8(aerolume::version::kVersionString));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.aerolume.Aerolume"));
    QApplication::setWindowIcon(aerolume::art::programIcon());

    aerolume::WindowRegistry registry;
    aerolume::registerProgramWindows(registry);
    registry.show(QStringLiteral("Main"));
    return QApplication::exec();
}

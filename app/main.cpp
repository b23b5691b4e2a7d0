// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>

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
    // A plan file given on the command line (as the file manager does) opens in the
    // navigation log instead of the launcher.
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("plan"), QStringLiteral("A plan file to open"));
    parser.parse(QApplication::arguments());
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty() || !aerolume::openPlanFile(registry, files.constFirst())) {
        registry.show(QStringLiteral("Main"));
    }
    return QApplication::exec();
}
